#include "reports/yearsheettally.h"

#include "reports/printhelpers.h"

#include <algorithm>
#include <cmath>

using F = Field;

namespace {

// The sixteen subjects' layout: nineteen columns of 295 twips and the two totals of 590.
YearSheetTally fixedTally()
{
    YearSheetTally t;
    struct Column {
        Field field;
        double left;
        bool wide;
        int weekChars;
    };
    static constexpr Column kColumns[] = {
        {F::kokugo, 9040, false, 4},           {F::syakai, 9335, false, 4},
        {F::sannsuu, 9630, false, 4},          {F::rika, 9925, false, 4},
        {F::seikatsu, 10220, false, 4},        {F::onngaku, 10515, false, 4},
        {F::zukou, 10810, false, 4},           {F::katei, 11105, false, 4},
        {F::taiiku, 11400, false, 4},          {F::KyoukaSyoukei, 11695, false, 5},
        {F::sougou, 11990, false, 4},          {F::doutoku, 12285, false, 4},
        {F::gakkyuukatsudou, 12580, false, 4}, {F::kurabu, 12875, false, 4},
        {F::jidoukai, 13170, false, 4},        {F::gakkougyouji, 13465, false, 4},
        {F::TokkatsuSyoukei, 13760, false, 4}, {F::SouJyugyouJisuu, 14055, true, 6},
        {F::uchikiri, 14645, false, 4},        {F::yobi, 14940, false, 4},
        {F::SouJisuu, 15235, true, 6},
    };
    for (const Column& c : kColumns) {
        const double width = c.wide ? 590 : 295;
        t.columns.push_back({c.field, c.left, c.left + width, c.left + (c.wide ? 120 : 20),
                             c.left + (c.wide ? 100 : 10), c.weekChars, c.wide ? 6 : 5});
    }

    t.rules = {
        {9335, 1},  {9630, 1},  {9925, 1},  {10220, 1}, {10515, 1}, {10810, 1}, {11105, 1},
        {11400, 1}, {11695, 2}, {11990, 2}, {12285, 2}, {12580, 2}, {12875, 1}, {13170, 1},
        {13465, 1}, {13760, 2}, {14055, 2}, {14645, 2}, {14940, 1}, {15235, 2},
    };

    t.headerLines.push_back({kYearTallyLeft, 520, kYearTallyRight, 520, 2});
    for (double x : {12285.0, 12580.0, 14645.0, 14940.0, 15235.0})
        t.headerLines.push_back({x, 520, x, 1540, 2});
    t.headerLines.push_back({kYearTallyLeft, 690, 11990, 690, 2});
    t.headerLines.push_back({12580, 690, 14055, 690, 2});
    for (double x : {9335.0, 9630.0, 9925.0, 10220.0, 10515.0, 10810.0, 11105.0, 11400.0, 11695.0})
        t.headerLines.push_back({x, 690, x, 1540, 2});
    t.headerLines.push_back({11990, 520, 11990, 1540, 2});
    for (double x : {12875.0, 13170.0, 13465.0, 13760.0})
        t.headerLines.push_back({x, 690, x, 1540, 1});
    t.headerLines.push_back({14055, 520, 14055, 1540, 2});

    struct Heading {
        const char16_t* text;
        double x, y;
    };
    static constexpr Heading kHeadings[] = {
        {u"集　　　　　　計　　　　　　表", 10515, 370},
        {u"教　　　　科", 9925, 540},
        {u"特 別 活 動", 12680, 540},
        {u"国", 9080, 710},
        {u"語", 9080, 980},
        {u"社", 9375, 710},
        {u"会", 9375, 980},
        {u"算", 9670, 710},
        {u"数", 9670, 980},
        {u"理", 9965, 710},
        {u"科", 9965, 980},
        {u"生", 10260, 710},
        {u"活", 10260, 980},
        {u"音", 10555, 710},
        {u"楽", 10555, 980},
        {u"図", 10850, 710},
        {u"工", 10850, 980},
        {u"家", 11145, 710},
        {u"庭", 11145, 980},
        {u"体", 11440, 710},
        {u"育", 11440, 980},
        {u"教", 11735, 710},
        {u"科", 11735, 860},
        {u"小", 11735, 1030},
        {u"計", 11735, 1200},
        {u"Ａ", 11735, 1370},
        {u"総", 12030, 640},
        {u"合", 12030, 910},
        {u"Ｂ", 12030, 1370},
        {u"道", 12325, 640},
        {u"徳", 12325, 910},
        {u"Ｃ", 12325, 1370},
        {u"学", 12620, 710},
        {u"級", 12620, 880},
        {u"活", 12620, 1050},
        {u"動", 12620, 1220},
        {u"ク", 12915, 710},
        {u"ラ", 12915, 880},
        {u"ブ", 12915, 1050},
        {u"児", 13210, 710},
        {u"童", 13210, 880},
        {u"会", 13210, 1050},
        {u"学", 13505, 710},
        {u"校", 13505, 880},
        {u"行", 13505, 1050},
        {u"事", 13505, 1220},
        {u"特", 13800, 710},
        {u"活", 13800, 860},
        {u"小", 13800, 1030},
        {u"計", 13800, 1200},
        {u"Ｄ", 13800, 1370},
        {u"総", 14095, 540},
        {u"授", 14095, 710},
        {u"業", 14095, 880},
        {u"時", 14095, 1050},
        {u"数", 14095, 1220},
        {u"Ａ", 14370, 540},
        {u"Ｂ", 14370, 710},
        {u"Ｃ", 14370, 880},
        {u"Ｄ", 14370, 1050},
        {u"計", 14370, 1220},
        {u"打", 14685, 540},
        {u"切", 14685, 710},
        {u"時", 14685, 880},
        {u"数", 14685, 1050},
        {u"予", 14980, 540},
        {u"備", 14980, 710},
        {u"時", 14980, 880},
        {u"数", 14980, 1050},
        {u"総", 15375, 540},
        {u"時", 15375, 880},
        {u"数", 15375, 1220},
    };
    for (const Heading& h : kHeadings)
        t.headings.push_back({QString::fromUtf16(h.text), h.x, h.y});
    return t;
}

// The groups the tally columns fall into. Columns of one group share its heading and are parted by
// thinner rules; every other column stands apart.
enum class Group { Subjects, OnItsOwn, SpecialActivities, Total, Spare };

struct ColumnLook {
    Field field;
    Group group;
    const char16_t* heading; // one character per line; the letter of a part of 総授業時数 last
    std::vector<double> lines;
};

// Heading tops of the band below a group heading (690–1540) and of the whole band (520–1540).
const std::vector<double> kTwoLines = {710, 980};
const std::vector<double> kGroupLines = {710, 880, 1050, 1220};
const std::vector<double> kSubtotalLines = {710, 860, 1030, 1200, 1370};
const std::vector<double> kOwnTwoLines = {640, 910, 1370};
const std::vector<double> kOwnFiveLines = {540, 700, 860, 1020, 1180, 1370};
const std::vector<double> kBandLines = {540, 710, 880, 1050, 1220};
const std::vector<double> kTotalLines = {540, 880, 1220};

const std::vector<ColumnLook>& columnLooks()
{
    static const std::vector<ColumnLook> looks = {
        {F::kokugo, Group::Subjects, u"国語", kTwoLines},
        {F::syakai, Group::Subjects, u"社会", kTwoLines},
        {F::sannsuu, Group::Subjects, u"算数", kTwoLines},
        {F::rika, Group::Subjects, u"理科", kTwoLines},
        {F::seikatsu, Group::Subjects, u"生活", kTwoLines},
        {F::onngaku, Group::Subjects, u"音楽", kTwoLines},
        {F::zukou, Group::Subjects, u"図工", kTwoLines},
        {F::katei, Group::Subjects, u"家庭", kTwoLines},
        {F::taiiku, Group::Subjects, u"体育", kTwoLines},
        {F::gaikokugo, Group::Subjects, u"外国語", kGroupLines},
        {F::KyoukaSyoukei, Group::Subjects, u"教科小計Ａ", kSubtotalLines},
        {F::sougou, Group::OnItsOwn, u"総合Ｂ", kOwnTwoLines},
        {F::doutoku, Group::OnItsOwn, u"道徳Ｃ", kOwnTwoLines},
        {F::gaikokugokatsudou, Group::OnItsOwn, u"外国語活動Ｅ", kOwnFiveLines},
        {F::gakkyuukatsudou, Group::SpecialActivities, u"学級活動", kGroupLines},
        {F::kurabu, Group::SpecialActivities, u"クラブ", kGroupLines},
        {F::jidoukai, Group::SpecialActivities, u"児童会", kGroupLines},
        {F::gakkougyouji, Group::SpecialActivities, u"学校行事", kGroupLines},
        {F::TokkatsuSyoukei, Group::SpecialActivities, u"特活小計Ｄ", kSubtotalLines},
        {F::SouJyugyouJisuu, Group::Total, u"総授業時数", kBandLines},
        {F::uchikiri, Group::Spare, u"打切時数", kBandLines},
        {F::yobi, Group::Spare, u"予備時数", kBandLines},
        {F::SouJisuu, Group::Total, u"総時数", kTotalLines},
    };
    return looks;
}

const ColumnLook& lookOf(Field field)
{
    // Every row a catalogue can have has its look.
    const auto& looks = columnLooks();
    const auto it =
        std::find_if(looks.begin(), looks.end(), [field](const ColumnLook& l) { return l.field == field; });
    Q_ASSERT(it != looks.end());
    return *it;
}

bool isSubtotal(Field field)
{
    return field == F::KyoukaSyoukei || field == F::TokkatsuSyoukei;
}

bool isWide(Field field)
{
    return field == F::SouJyugyouJisuu || field == F::SouJisuu;
}

constexpr double kHeadingPoints = 8;
// Half-width characters of the sheet's font are half as wide as they are high.
double textWidth(const QString& text, double points)
{
    return textColumns(text) * points * 10;
}

// Narrower columns of the same tally width for a catalogue with more rows than the sixteen subjects.
YearSheetTally sharedTally(const std::vector<Field>& order)
{
    YearSheetTally t;
    // A size smaller than the sixteen subjects' keeps a little white between the five characters
    // of a term's value and the rules of the narrower columns.
    t.valuePoints = 4.5;
    t.keepsValuesInside = true;

    int units = 0;
    for (Field f : order)
        units += isWide(f) ? 2 : 1;
    // Exact in doubles: whole twips times whole units, divided once.
    const auto edge = [units](int before) {
        return std::round(kYearTallyLeft + (kYearTallyRight - kYearTallyLeft) * before / units);
    };
    int before = 0;
    for (Field f : order) {
        const int span = isWide(f) ? 2 : 1;
        YearSheetColumn c;
        c.field = f;
        c.left = edge(before);
        c.right = edge(before + span);
        before += span;
        c.weekChars = isWide(f) ? 6 : f == F::KyoukaSyoukei ? 5 : 4;
        c.termChars = isWide(f) ? 6 : 5;
        // The padded term text centred, the week's value right-aligned with it.
        const double valueRight =
            c.right -
            std::round((c.right - c.left - textWidth(QString(c.termChars, u'0'), t.valuePoints)) / 2);
        c.weekX = valueRight - textWidth(QString(c.weekChars, u'0'), t.valuePoints);
        c.termX = valueRight - textWidth(QString(c.termChars, u'0'), t.valuePoints);
        t.columns.push_back(c);
    }

    // Rules and heading lines between neighbours: thin inside a group, full height between groups.
    t.headerLines.push_back({kYearTallyLeft, 520, kYearTallyRight, 520, 2});
    for (std::size_t i = 0; i + 1 < t.columns.size(); ++i) {
        const Group here = lookOf(t.columns[i].field).group;
        const Field next = t.columns[i + 1].field;
        const bool sameGroup = here == lookOf(next).group && here != Group::OnItsOwn && here != Group::Total;
        const double x = t.columns[i].right;
        t.rules.push_back({x, sameGroup && !isSubtotal(next) ? 1 : 2});
        if (sameGroup && here == Group::Subjects)
            t.headerLines.push_back({x, 690, x, 1540, 2});
        else if (sameGroup && here == Group::SpecialActivities)
            t.headerLines.push_back({x, 690, x, 1540, 1});
        else
            t.headerLines.push_back({x, 520, x, 1540, 2});
    }

    t.headings.push_back({QStringLiteral("集　　　　　　計　　　　　　表"), 10515, 370});
    const auto groupHeading = [&t](Group group, const QString& text) {
        double left = kYearTallyRight, right = kYearTallyLeft;
        for (const YearSheetColumn& c : t.columns) {
            if (lookOf(c.field).group == group) {
                left = std::min(left, c.left);
                right = std::max(right, c.right);
            }
        }
        t.headerLines.push_back({left, 690, right, 690, 2});
        t.headings.push_back({text, std::round((left + right - textWidth(text, kHeadingPoints)) / 2), 540});
    };
    groupHeading(Group::Subjects, QStringLiteral("教　　　　科"));
    groupHeading(Group::SpecialActivities, QStringLiteral("特 別 活 動"));

    // 総授業時数 names the columns it adds up by their letters.
    QString letters;
    for (const YearSheetColumn& c : t.columns) {
        const QString heading = QString::fromUtf16(lookOf(c.field).heading);
        if (heading.back() >= u'Ａ' && heading.back() <= u'Ｚ')
            letters += heading.back();
    }
    std::sort(letters.begin(), letters.end());
    letters += u'計';

    const double charWidth = textWidth(QStringLiteral("国"), kHeadingPoints);
    for (const YearSheetColumn& c : t.columns) {
        const ColumnLook& look = lookOf(c.field);
        const QString heading = QString::fromUtf16(look.heading);
        const double width = c.right - c.left;
        if (c.field == F::SouJyugyouJisuu) {
            // Two lines of characters side by side, each centred in its half of the column.
            const double x = c.left + std::round((width / 2 - charWidth) / 2);
            for (qsizetype k = 0; k < heading.size(); ++k)
                t.headings.push_back({heading.mid(k, 1), x, look.lines[static_cast<std::size_t>(k)]});
            const double step = letters.size() > 5 ? 160 : 170;
            for (qsizetype k = 0; k < letters.size(); ++k)
                t.headings.push_back({letters.mid(k, 1), x + std::round(width / 2), 540 + step * k});
            continue;
        }
        const double x = c.left + std::round((width - charWidth) / 2);
        for (qsizetype k = 0; k < heading.size(); ++k)
            t.headings.push_back({heading.mid(k, 1), x, look.lines[static_cast<std::size_t>(k)]});
    }
    return t;
}

} // namespace

YearSheetTally yearSheetTally(const Catalogue& catalogue)
{
    if (catalogue.tallyOrder == basicCatalogue().tallyOrder)
        return fixedTally();
    return sharedTally(catalogue.tallyOrder);
}

YearSheetValuePlace placeYearSheetValue(const YearSheetTally& tally, const YearSheetColumn& column,
                                        double paddedX, int paddedChars, const QString& text)
{
    const double points = tally.valuePoints;
    if (!tally.keepsValuesInside)
        return {paddedX, 0, points};
    // Clear of the rules on either side, which are up to 5 twips wide.
    constexpr double kMargin = 6;
    const double right = paddedX + textWidth(QString(paddedChars, u'0'), points);
    const double room = column.right - column.left - 2 * kMargin;
    const double width = textWidth(text, points);
    if (width <= room)
        return {std::max(column.left + kMargin, right - width), 0, points};
    const double smaller = points * room / width;
    return {column.left + kMargin, (points - smaller) * 10, smaller};
}
