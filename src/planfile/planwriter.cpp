#include "planfile/planwriter.h"

#include "core/mirteerror.h"
#include "core/subjects.h"
#include "core/zerodate.h"
#include "planfile/codepagetext.h"
#include "planfile/planextension.h"
#include "planfile/planformat.h"
#include "planfile/plansections.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

QString codePoint(char32_t c)
{
    return u"U+"_s + QString::number(static_cast<uint>(c), 16).toUpper().rightJustified(4, u'0');
}

bool isAscii(const QString& text)
{
    for (QChar c : text)
        if (c.unicode() >= 0x80)
            return false;
    return true;
}

class PlanText {
public:
    explicit PlanText(const QString& fileName) : m_file(fileName) {}

    void line(const QString& value)
    {
        m_text += value;
        m_text += u"\r\n"_s;
        ++m_lines;
    }

    // A text value; `what` names it if it cannot be stored, after the date of its day if it has one
    // (the name is only put together for a message).
    void text(const QString& value, const QString& what, const QDate& day = {})
    {
        for (QChar c : value)
            if (c == u'\n' || c == u'\r')
                fail(u"%1に改行が含まれています。改行は保存できません。"_s.arg(name(what, day)));
        if (!isAscii(value)) // ASCII is the same in the code page
            m_checked.push_back({value, what, day});
        line(value);
    }

    void number(int value) { line(smallNumberText(value)); }

    // Month and day; an unset date is stored as the zero date, 30 December.
    void date(const QDate& date)
    {
        const QDate stored = date.isValid() ? date : zeroDate();
        number(stored.month());
        number(stored.day());
    }

    void fieldBlock(const UnitCounts& counts)
    {
        for (Field f : kFileOrder)
            line(unitCountText(counts[f]));
    }

    QByteArray bytes() const
    {
        // A file the reader would refuse is not written at all.
        if (m_lines > kMaxPlanFileLines)
            fail(u"記録が多すぎて保存できません（%1行。計画ファイルは %2 行までです）。"_s.arg(m_lines).arg(
                kMaxPlanFileLines));
        // The whole text in one pass; only when it does not come back whole is the field looked for.
        QStringEncoder encoder(kPlanCodePage, QStringEncoder::Flag::Stateless);
        if (!encoder.isValid())
            fail(u"シフトJIS（CP932）の文字コード表がありません。"_s);
        QByteArray out = encoder.encode(m_text);
        if (!encoder.hasError()) {
            QStringDecoder decoder(kPlanCodePage, QStringDecoder::Flag::Stateless);
            if (QString(decoder.decode(out)) == m_text && !decoder.hasError())
                return out;
        }
        // Every field and every character at once, so one correction makes the plan savable.
        QStringList problems;
        for (const Checked& c : m_checked) {
            const QStringList outside = charactersOutsideCodePage(c.value);
            if (!outside.isEmpty())
                problems << u"%1の%2はシフトJIS（CP932）にない文字なので保存できません。"_s.arg(
                                name(c.what, c.day), listed(outside)) +
                                hint(outside);
        }
        if (!problems.isEmpty()) {
            constexpr qsizetype kShownAtMost = 10;
            const qsizetype more = problems.size() - kShownAtMost;
            if (more > 0) {
                problems.resize(kShownAtMost);
                problems << u"ほかに %1 か所あります。"_s.arg(more);
            }
            fail(problems.join(u'\n'));
        }
        fail(u"シフトJIS（CP932）に変換できませんでした。"_s);
    }

    [[noreturn]] void fail(const QString& message) const { throw PlanFileError(m_file, 0, message); }

private:
    struct Checked {
        QString value;
        QString what;
        QDate day;
    };

    static QString name(const QString& what, const QDate& day)
    {
        return day.isValid() ? day.toString(u"yyyy/M/d"_s) + u" の"_s + what : what;
    }

    // 「〜」（U+301C）、「🎒」（U+1F392）
    static QString listed(const QStringList& characters)
    {
        QStringList named;
        for (const QString& c : characters)
            named << u"「%1」（%2）"_s.arg(c, codePoint(c.toUcs4().value(0)));
        return named.join(u'、');
    }

    // The forms the code page has, for the characters that are known look-alikes.
    static QString hint(const QStringList& characters)
    {
        QStringList fixes;
        QString alikeForm;
        for (const QString& c : characters) {
            if (const char32_t alike = codePageLookAlike(c.toUcs4().value(0))) {
                alikeForm = QString::fromUcs4(&alike, 1);
                fixes << u"「%1」は「%2」に"_s.arg(c, alikeForm);
            }
        }
        if (fixes.isEmpty())
            return {};
        if (characters.size() == 1) // the one character needs no naming again
            return u"「%1」に直すと保存できます。"_s.arg(alikeForm);
        return fixes.join(u'、') + u"直すと保存できます。"_s;
    }

    QString m_file;
    QString m_text;
    int m_lines = 0;
    std::vector<Checked> m_checked;
};

} // namespace

QByteArray serializePlan(const AppState& s)
{
    if (s.intHolidayCount < 0 || s.intHolidayCount > kMaxHolidayCount)
        throw PlanFileError(
            s.strFileName, 0,
            u"休日の数 %1 は 0～%2 の範囲にありません。"_s.arg(s.intHolidayCount).arg(kMaxHolidayCount));

    PlanText out(s.strFileName);
    for (int d = 0; d < 6; ++d)
        out.text(s.strTimeCredit[static_cast<std::size_t>(d)], weekdayName(d).toString() + u"の時限の長さ"_s);
    out.number(s.intYear);
    out.number(s.intGrade);
    out.text(s.strClass, u"学級"_s);
    out.text(s.strTeacher, u"担任"_s);
    for (const CalendarDateSlot& slot : kCalendarDates)
        out.date(s.*slot.date);
    out.line(BoolToText(s.boolSat2nd4thOff));
    out.line(BoolToText(s.boolSatAllOff));
    out.number(s.intHolidayCount);
    for (int i = 0; i <= s.intHolidayCount; ++i)
        out.date(s.dateHoliday[static_cast<std::size_t>(i)]);

    static const UnitCounts kNone;
    out.fieldBlock(s.objYearBase ? *s.objYearBase : kNone);

    // Always six lines and three blocks, so the day blocks behind them stay where the reader
    // looks for them.
    const RivoDayTime* weekday = s.objWeekTimetable ? s.objWeekTimetable->objFirstDay : nullptr;
    for (int d = 0; d < 6; ++d) {
        out.text(weekday ? weekday->strSubject : QString(), u"週時間割の"_s + weekdayName(d).toString());
        if (weekday)
            weekday = weekday->objNextDay.get();
    }
    for (const RivoSeasonTotal* term :
         s.objYearPlan ? s.objYearPlan->terms() : std::array<RivoSeasonTotal*, 3>{})
        out.fieldBlock(term ? static_cast<const UnitCounts&>(*term) : kNone);

    // Withdrawn days are stored too: their records stay in the list.
    if (s.objDayChain) {
        for (const RivoDayTime* day = s.objDayChain->objNextDay.get(); day; day = day->objNextDay.get()) {
            out.date(day->dateThisDay);
            out.text(day->strSubject, u"教科"_s, day->dateThisDay);
            out.text(day->strComment, u"行事"_s, day->dateThisDay);
            out.line(BoolToText(day->boolNowPlanning));
        }
    }

    // Only a plan with content the basic layout has no place for gets the extension.
    for (const QString& line : extensionLines(planSections(s), s.strFileName))
        out.text(line, u"拡張の行"_s);
    return out.bytes();
}
