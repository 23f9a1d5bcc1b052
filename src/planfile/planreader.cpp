#include "planfile/planreader.h"

#include "calendar/dates.h"
#include "calendar/nationalholidays.h"
#include "calendar/schoolday.h"
#include "calendar/schooldaycount.h"
#include "core/mirteerror.h"
#include "core/plandefaults.h"
#include "core/subjects.h"
#include "planfile/codepage.h"
#include "planfile/planextension.h"
#include "planfile/planformat.h"
#include "planfile/plansections.h"
#include "totals/weektotals.h"
#include "totals/yeartotals.h"

#include <QStringList>
#include <algorithm>
#include <array>
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

// Lines 1–7 (six lines of period-length digits, then the year) are what every plan file starts
// with; a file that fails there is some other file, and is called so.
constexpr int kSignatureLines = 7;

QString notAPlanFile(const QString& detail)
{
    return u"計画ファイルではありません。"_s + detail;
}

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
        throw PlanFileError(m_file, line,
                            line >= 1 && line <= kSignatureLines ? notAPlanFile(message) : message);
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
        if (bytes.isEmpty())
            fail(1, u"ファイルが空です。"_s);
        // No text of a plan holds a NUL byte: a picture, a program or a word processor's file does.
        if (const qsizetype nul = bytes.indexOf('\0'); nul >= 0)
            throw PlanFileError(m_file, static_cast<int>(bytes.left(nul).count('\n')) + 1,
                                notAPlanFile(u"文字ではないバイト（0x00）があります。"_s));

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
            std::optional<QString> text = decodeCodePage(raw);
            if (!text)
                fail(line, u"シフトJIS（CP932）の文字として読めないバイトがあります。"_s);
            m_lines.append(*std::move(text));
            start = end + 1;
        }
    }

    QString m_file;
    QStringList m_lines;
    qsizetype m_next = 0;
};

// Where a field block's field stands in it, from 0.
int fileIndex(Field field)
{
    return static_cast<int>(std::find(kFileOrder.begin(), kFileOrder.end(), field) - kFileOrder.begin());
}

// The term value that takes a sum of the plan year out of 16 bits, for the message and its line.
struct PlanOverflow {
    int term = -1; // 0–2; -1 when no single value can be named
    Field value = Field::kokugo;
    QString message;
};

PlanOverflow planYearOverflow(const std::array<RivoSeasonTotal*, 3>& terms)
{
    auto outOfRange = [](long long sum) { return sum < -32768 || sum > 32767; };
    auto found = [&](int term, Field field, const QString& sumName) {
        const QString value = u"%1学期の計画の%2「%3」"_s.arg(term + 1)
                                  .arg(fieldLabel(field))
                                  .arg((*terms[static_cast<std::size_t>(term)])[field]);
        return PlanOverflow{term, field,
                            u"%1で、年間計画の%2が範囲（-32768～32767）を超えます。"_s.arg(value, sumName)};
    };

    // A subject's year: its three term values, added in term order.
    std::array<long long, kFieldSlots> year{};
    std::array<int, kFieldSlots> lastTerm{}; // the last term that adds something to the subject
    for (Field f : kSubjectFields) {
        const auto i = static_cast<std::size_t>(f);
        for (int t = 0; t < 3; ++t) {
            const std::int16_t v = (*terms[static_cast<std::size_t>(t)])[f];
            year[i] += v;
            if (v != 0)
                lastTerm[i] = t;
            if (outOfRange(year[i]))
                return found(t, f, u"%1（3学期の合計）"_s.arg(fieldLabel(f)));
        }
    }
    // A subtotal of the year, its subjects added in the order of the formula.
    using enum Field;
    const struct {
        Field subtotal;
        std::initializer_list<Field> subjects;
    } kSubtotals[] = {
        {KyoukaSyoukei, {kokugo, syakai, sannsuu, rika, seikatsu, onngaku, zukou, katei, taiiku, gaikokugo}},
        {TokkatsuSyoukei, {gakkyuukatsudou, kurabu, jidoukai, gakkougyouji}},
        {SouJyugyouJisuu,
         {kokugo, syakai, sannsuu, rika, seikatsu, onngaku, zukou, katei, taiiku, gaikokugo, sougou, doutoku,
          gaikokugokatsudou, gakkyuukatsudou, kurabu, jidoukai, gakkougyouji}},
        {SouJisuu,
         {kokugo, syakai, sannsuu, rika, seikatsu, onngaku, zukou, katei, taiiku, gaikokugo, sougou, doutoku,
          gaikokugokatsudou, gakkyuukatsudou, kurabu, jidoukai, gakkougyouji, uchikiri, yobi}},
    };
    for (const auto& s : kSubtotals) {
        long long sum = 0;
        for (Field f : s.subjects) {
            sum += year[static_cast<std::size_t>(f)];
            if (outOfRange(sum))
                return found(lastTerm[static_cast<std::size_t>(f)], f, fieldLabel(s.subtotal));
        }
    }
    return {-1, kokugo, u"年間計画（3学期の合計）が範囲（-32768～32767）を超えます。"_s};
}

} // namespace

AppState readPlan(const QByteArray& bytes, const QString& fileName)
{
    PlanLines in(bytes, fileName);

    AppState plan;
    SetDefaultWeekTables(plan);
    SetDefaultYearPlans(plan);

    for (int d = 0; d < 6; ++d) {
        const int line = in.nextLine();
        const LineName name{weekdayName(d), u"の時限の長さ"};
        const QString& lengths = in.text(name);
        if (!std::all_of(lengths.begin(), lengths.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
            in.fail(line, u"%1%2は数字の並びではありません。"_s.arg(name.text(), quoted(lengths)));
        plan.strTimeCredit[static_cast<std::size_t>(d)] = lengths;
    }
    plan.intYear = in.bounded({u"年度"}, kMinPlanYear, kMaxPlanYear);
    // A grade the wizard does not offer is taken as not chosen yet, as the wizard itself shows it.
    plan.intGrade = in.number({u"学年"});
    if (plan.intGrade < 0 || plan.intGrade > 6)
        plan.intGrade = 0;
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
    static const char16_t* const kDayLineNames[kDayBlockLines] = {u"日の記録の日付の月",
                                                                  u"日の記録の日付の日", u"日の記録の教科",
                                                                  u"日の記録の行事", u"日の記録の取消"};
    std::vector<ExtensionSection> extension;
    while (in.remaining() > 0) {
        if (beginsExtension(in.peek())) {
            extension = in.extension(isPlanSection);
            break;
        }
        if (const auto present = static_cast<int>(in.remaining()); present < kDayBlockLines)
            in.fail(in.nextLine() + present,
                    u"日の記録が途中で終わっています（%1行のうち%2行しかなく、%3の行がありません）。"_s
                        .arg(kDayBlockLines)
                        .arg(present)
                        .arg(QString::fromUtf16(kDayLineNames[present])));
        // The block's lines in file order, so that an error names the right line.
        const QDate date = in.date(plan.intYear, {u"日の記録の日付"});
        const QString subjects = in.text({kDayLineNames[2]});
        const QString comment = in.text({kDayLineNames[3]});
        const bool cancelled = in.flag({kDayLineNames[4]});
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
        const PlanOverflow at = planYearOverflow(terms);
        int line = at.term < 0 ? planLine : planLine + at.term * kFieldBlockLines + fileIndex(at.value);
        // A later subject's term values stand in its extension section, after its base hours.
        for (const ExtensionSection& section : extension)
            if (at.term >= 0 && section.name == fieldName(at.value))
                line = section.firstLine + 1 + at.term;
        in.fail(line, at.message);
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
