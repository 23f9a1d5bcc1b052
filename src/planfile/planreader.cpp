#include "planfile/planreader.h"

#include "calendar/dates.h"
#include "calendar/nationalholidays.h"
#include "calendar/schoolday.h"
#include "calendar/schooldaycount.h"
#include "core/mirteerror.h"
#include "core/plandefaults.h"
#include "core/subjects.h"
#include "planfile/planextension.h"
#include "planfile/planformat.h"
#include "planfile/plansections.h"
#include "totals/weektotals.h"
#include "totals/yeartotals.h"

#include <QStringDecoder>
#include <QStringList>
#include <functional>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

// The names the twelve calendar dates have in messages, in file order.
const char16_t* const kCalendarDateNames[12] = {
    u"春休み（年度始め）の始まり",
    u"春休み（年度始め）の終わり",
    u"夏休みの始まり",
    u"夏休みの終わり",
    u"冬休みの始まり",
    u"冬休みの終わり",
    u"春休み（年度末）の始まり",
    u"春休み（年度末）の終わり",
    u"秋分の日",
    u"体育の日",
    u"成人の日",
    u"春分の日",
};

// A line quoted in a message; a long one is shortened so the message stays readable.
QString quoted(const QString& text)
{
    constexpr qsizetype kShown = 20;
    return u"「"_s + (text.size() > kShown ? text.left(kShown) + u"…"_s : text) + u"」"_s;
}

// What a line holds, for messages; the text is only put together when a message is shown.
struct LineName {
    LineName(QStringView what, QStringView suffix = {}, int entry = 0)
        : what(what), suffix(suffix), entry(entry)
    {
    }

    QStringView what;
    QStringView suffix;
    int entry = 0;              // a holiday entry's number (from 1), 0 for none
    std::optional<Field> field; // a field of a field block

    LineName with(QStringView more) const
    {
        LineName n = *this;
        n.suffix = more;
        return n;
    }
    QString text() const
    {
        QString t = what.toString();
        if (entry > 0)
            t += u' ' + QString::number(entry);
        if (field)
            t += fieldLabel(*field);
        return t.append(suffix);
    }
};

// The lines of a file and a cursor over them. Every fault names its 1-based line.
class PlanLines {
public:
    PlanLines(const QByteArray& bytes, const QString& fileName) : m_file(fileName) { split(bytes); }

    qsizetype count() const { return m_lines.size(); }
    qsizetype remaining() const { return m_lines.size() - m_next; }
    // The line number the next read takes.
    int nextLine() const { return static_cast<int>(m_next) + 1; }
    // The next line, not taken; only while lines remain.
    const QString& peek() const { return m_lines.at(m_next); }

    // Everything from the next line on is the extension.
    std::vector<ExtensionSection> extension(const std::function<bool(QStringView)>& isKnownSection)
    {
        auto sections = readExtension(m_lines, m_next, m_file, isKnownSection);
        m_next = m_lines.size();
        return sections;
    }

    [[noreturn]] void fail(int line, const QString& message) const
    {
        throw PlanFileError(m_file, line, message);
    }

    const QString& text(const LineName& name)
    {
        if (m_next >= m_lines.size())
            fail(nextLine(), u"ファイルが途中で終わっています（%1がありません）。"_s.arg(name.text()));
        return m_lines[m_next++];
    }

    std::int16_t number(const LineName& name)
    {
        const int line = nextLine();
        const QString& line_text = text(name);
        std::int16_t value = 0;
        switch (parseNumber(line_text, value)) {
        case NumberFault::None: return value;
        case NumberFault::NotANumber:
            fail(line, u"%1%2は数値として読めません。"_s.arg(name.text(), quoted(line_text)));
        case NumberFault::OutOfRange:
            fail(line, u"%1%2は範囲（-32768～32767）を超えています。"_s.arg(name.text(), quoted(line_text)));
        }
        return value;
    }

    // A number that must also lie within [low, high].
    std::int16_t bounded(const LineName& name, int low, int high)
    {
        const int line = nextLine();
        const std::int16_t value = number(name);
        if (value < low || value > high)
            fail(line,
                 u"%1「%2」は %3～%4 の範囲にありません。"_s.arg(name.text()).arg(value).arg(low).arg(high));
        return value;
    }

    bool flag(const LineName& name) { return TextToBool(text(name)); }

    // Month line, then day line, in the school year that starts in April of `year`.
    QDate date(int year, const LineName& name)
    {
        const std::int16_t month = bounded(name.with(u"の月"), 1, 12);
        const int dayLine = nextLine();
        const std::int16_t day = number(name.with(u"の日"));
        try {
            return SchoolYearDate(year, month, day);
        } catch (const ConversionError&) {
            fail(dayLine, u"%1「%2月%3日」は日付になりません。"_s.arg(name.text()).arg(month).arg(day));
        }
    }

    void fieldBlock(UnitCounts& counts, LineName name)
    {
        for (Field f : kFileOrder) {
            name.field = f;
            counts[f] = number(name);
        }
    }

private:
    void split(const QByteArray& bytes)
    {
        // Count first, so an oversized file is refused before anything is decoded.
        qsizetype lines = bytes.count('\n');
        if (!bytes.isEmpty() && !bytes.endsWith('\n'))
            ++lines;
        if (lines > kMaxPlanFileLines)
            fail(kMaxPlanFileLines + 1,
                 u"行数が多すぎます（%1行）。計画ファイルは %2 行までです。"_s.arg(lines).arg(
                     kMaxPlanFileLines));

        // CP932 never uses LF or CR inside a double-byte character, so the lines can be cut apart
        // before they are decoded. The final line end closes the last line and starts none.
        const QByteArrayView all(bytes);
        m_lines.reserve(lines);
        QStringDecoder decoder(kPlanCodePage, QStringDecoder::Flag::Stateless);
        if (!decoder.isValid())
            fail(0, u"シフトJIS（CP932）の文字コード表がありません。"_s);
        qsizetype start = 0;
        while (start < all.size()) {
            qsizetype end = all.indexOf('\n', start);
            if (end < 0)
                end = all.size();
            QByteArrayView raw = all.sliced(start, end - start);
            if (raw.endsWith('\r'))
                raw.chop(1);
            const int line = static_cast<int>(m_lines.size()) + 1;
            if (raw.contains('\r'))
                fail(line, u"行の途中に改行文字（CR）があります。"_s);
            m_lines.append(decoder.decode(raw));
            if (decoder.hasError())
                fail(line, u"シフトJIS（CP932）の文字として読めないバイトがあります。"_s);
            start = end + 1;
        }
    }

    QString m_file;
    QStringList m_lines;
    qsizetype m_next = 0;
};

} // namespace

AppState readPlan(const QByteArray& bytes, const QString& fileName)
{
    PlanLines in(bytes, fileName);

    AppState plan;
    SetDefaultWeekTables(plan);
    SetDefaultYearPlans(plan);

    for (int d = 0; d < 6; ++d)
        plan.strTimeCredit[static_cast<std::size_t>(d)] = in.text({weekdayName(d), u"の時限の長さ"});
    plan.intYear = in.bounded({u"年度"}, kMinPlanYear, kMaxPlanYear);
    plan.intGrade = in.bounded({u"学年"}, 0, 6); // 0: not chosen yet
    plan.strClass = in.text({u"学級"});
    plan.strTeacher = in.text({u"担任"});
    for (std::size_t i = 0; i < kCalendarDates.size(); ++i)
        plan.*kCalendarDates[i].date = in.date(plan.intYear, {kCalendarDateNames[i]});
    plan.updateDayNumbers();
    plan.boolSat2nd4thOff = in.flag({u"隔週土曜日休み"});
    plan.boolSatAllOff = in.flag({u"完全週休２日"});

    // The file holds one pair more than the count: the slot after the last day off.
    plan.intHolidayCount = in.bounded({u"休日の数"}, 0, kMaxHolidayCount);
    for (int i = 0; i <= plan.intHolidayCount; ++i) {
        const QDate date = in.date(plan.intYear, {u"休日", {}, i + 1});
        plan.dateHoliday[static_cast<std::size_t>(i)] = date;
        plan.intHoliday[static_cast<std::size_t>(i)] = DayOfYear(date);
    }

    in.fieldBlock(*plan.objYearBase, {u"基本時数の"});

    const int timetableLine = in.nextLine();
    RivoDayTime* weekday = plan.objWeekTimetable->objFirstDay;
    for (int d = 0; d < 6; ++d, weekday = weekday->objNextDay.get())
        weekday->strSubject = in.text({u"週時間割の", weekdayName(d)});

    const int planLine = in.nextLine();
    static const char16_t* const kTermNames[3] = {u"1学期の計画の", u"2学期の計画の", u"3学期の計画の"};
    const auto terms = plan.objYearPlan->terms();
    for (std::size_t t = 0; t < terms.size(); ++t)
        in.fieldBlock(*terms[t], {kTermNames[t]});

    // Files are in date order, so a day normally goes to the end; only one out of order, or a
    // second block of a date (which replaces the first), takes the list's own insertion.
    RivoDayTime* last = nullptr;
    std::vector<ExtensionSection> extension;
    while (in.remaining() > 0) {
        if (beginsExtension(in.peek())) {
            extension = in.extension(isPlanSection);
            break;
        }
        const int blockLine = in.nextLine();
        if (in.remaining() < kDayBlockLines)
            in.fail(blockLine,
                    u"日の記録が途中で終わっています（%1行のうち%2行しかありません）。"_s.arg(kDayBlockLines)
                        .arg(in.remaining()));
        // The block's lines in file order, so that an error names the right line.
        const QDate date = in.date(plan.intYear, {u"日の記録の日付"});
        const QString subjects = in.text({u"日の記録の教科"});
        const QString comment = in.text({u"日の記録の行事"});
        const bool cancelled = in.flag({u"日の記録の取消"});
        auto day = makeRecordedDay(date, subjects, comment, cancelled);
        if (!last || day->dateThisDay > last->dateThisDay) {
            RivoDayTime* added = day.get();
            (last ? last->objNextDay : plan.objDayChain->objNextDay) = std::move(day);
            last = added;
        } else {
            // A second block for the last day replaces that record, which then is the new last one.
            const bool replacesLast = day->dateThisDay == last->dateThisDay;
            RivoDayTime* added = day.get();
            plan.objDayChain->appendDay(std::move(day));
            if (replacesLast)
                last = added;
        }
    }

    for (const ExtensionSection& section : extension)
        applyPlanSection(plan, section, fileName);

    // Sums the file cannot hold as unit counts make it a bad file, not a plan that fails later.
    try {
        calculate(*plan.objWeekTimetable, plan.strTimeCredit, plan.catalogue());
    } catch (const OverflowError&) {
        in.fail(timetableLine, u"週時間割の時数が範囲（-32768～32767）を超えます。"_s);
    }
    try {
        calculate(*plan.objYearPlan);
    } catch (const OverflowError&) {
        in.fail(planLine, u"年間計画（3学期の合計）が範囲（-32768～32767）を超えます。"_s);
    }

    // Not stored in the file, but shown for the plan; counting them now keeps them from being the
    // counts of whatever plan was open before.
    // The law's rest days follow from the year and the equinox days, like the entries' day numbers.
    updateLawRestDays(plan);
    const SchoolDayCounts counts = countSchoolDays(plan);
    plan.intSchoolDays1 = static_cast<std::int16_t>(counts.term1);
    plan.intSchoolDays2 = static_cast<std::int16_t>(counts.term2);
    plan.intSchoolDays3 = static_cast<std::int16_t>(counts.term3);
    plan.intSchoolDaysYear = static_cast<std::int16_t>(counts.year);
    return plan;
}

void replacePlan(AppState& state, AppState&& plan)
{
    const QString fileName = state.strFileName;
    const bool startWizard = state.boolStartWizard;
    const QDate selected = state.dateSelected;
    const QDate weekFirst = state.dateWeekFirst;
    const QDate weekLast = state.dateWeekLast;

    state = std::move(plan);

    state.strFileName = fileName;
    state.boolStartWizard = startWizard;
    state.dateSelected = selected;
    state.dateWeekFirst = weekFirst;
    state.dateWeekLast = weekLast;
    state.boolCalendarShown = false;
}
