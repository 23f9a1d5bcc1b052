// The extension framing after the day blocks: what is written, what is read back, and where a
// damaged extension is refused.
#include "planbuilder.h"

#include "core/mirteerror.h"
#include "planfile/planextension.h"
#include "planfile/planformat.h"
#include "planfile/planreader.h"
#include "planfile/planwriter.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

bool knownAB(QStringView name)
{
    return name == u"a"_s || name == u"b"_s;
}

// Reads `lines` as an extension starting at index 1 (index 0 stands for the last day line).
std::vector<ExtensionSection> readAt1(const QStringList& lines)
{
    return readExtension(lines, 1, u"x.rv"_s, knownAB);
}

int failingLine(const QStringList& lines)
{
    try {
        readAt1(lines);
    } catch (const PlanFileError& e) {
        return e.line();
    }
    return -1;
}

} // namespace

TEST(PlanExtension, NoSectionsWriteNoLines)
{
    EXPECT_TRUE(extensionLines({}, u"x.rv"_s).isEmpty());
}

TEST(PlanExtension, SectionsAreFramedAndReadBack)
{
    const std::vector<ExtensionSection> sections = {{u"a"_s, {u" 1 "_s, u" 2 "_s}, 0}, {u"b"_s, {}, 0}};
    const QStringList lines = extensionLines(sections, u"x.rv"_s);
    EXPECT_EQ(lines,
              (QStringList{u"#ミルテ拡張 1"_s, u"#a 2"_s, u" 1 "_s, u" 2 "_s, u"#b 0"_s, u"#終わり"_s}));

    const auto back = readAt1(QStringList{u"False"_s} + lines);
    ASSERT_EQ(back.size(), 2U);
    EXPECT_EQ(back[0].name, u"a"_s);
    EXPECT_EQ(back[0].values, (QStringList{u" 1 "_s, u" 2 "_s}));
    EXPECT_EQ(back[0].firstLine, 4); // file line of " 1 "
    EXPECT_EQ(back[1].name, u"b"_s);
    EXPECT_TRUE(back[1].values.isEmpty());
}

TEST(PlanExtension, WriterRefusesWhatTheReaderWouldMisread)
{
    EXPECT_THROW(extensionLines({{u"two words"_s, {}, 0}}, u"x.rv"_s), PlanFileError);
    EXPECT_THROW(extensionLines({{QString(), {}, 0}}, u"x.rv"_s), PlanFileError);
    EXPECT_THROW(extensionLines({{u"a"_s, {u"#終わり"_s}, 0}}, u"x.rv"_s), PlanFileError);
}

TEST(PlanExtension, DamagedExtensionsNameTheirLine)
{
    const QString day = u"False"_s; // line 1: the last line of a day block
    struct Case {
        const char* what;
        QStringList lines;
        int line;
    };
    const Case cases[] = {
        {"another version", {day, u"#ミルテ拡張 2"_s, u"#終わり"_s}, 2},
        {"not the marker", {day, u"#ミルテ 1"_s, u"#終わり"_s}, 2},
        {"unknown section", {day, u"#ミルテ拡張 1"_s, u"#a 1"_s, u" 1 "_s, u"#c 0"_s, u"#終わり"_s}, 5},
        {"section twice", {day, u"#ミルテ拡張 1"_s, u"#a 0"_s, u"#a 0"_s, u"#終わり"_s}, 4},
        {"header without count", {day, u"#ミルテ拡張 1"_s, u"#a"_s, u"#終わり"_s}, 3},
        {"count not a number", {day, u"#ミルテ拡張 1"_s, u"#a x"_s, u"#終わり"_s}, 3},
        {"value line where a header belongs", {day, u"#ミルテ拡張 1"_s, u" 1 "_s, u"#終わり"_s}, 3},
        {"section cut short by the end line",
         {day, u"#ミルテ拡張 1"_s, u"#a 2"_s, u" 1 "_s, u"#終わり"_s},
         5},
        {"section cut short by a header", {day, u"#ミルテ拡張 1"_s, u"#a 2"_s, u"#b 0"_s, u"#終わり"_s}, 4},
        {"section cut short by the file end", {day, u"#ミルテ拡張 1"_s, u"#a 3"_s, u" 1 "_s}, 5},
        {"no end line", {day, u"#ミルテ拡張 1"_s, u"#a 1"_s, u" 1 "_s}, 5},
        {"marker alone", {day, u"#ミルテ拡張 1"_s}, 3},
        {"lines after the end", {day, u"#ミルテ拡張 1"_s, u"#終わり"_s, u" 4"_s}, 4},
    };
    for (const Case& c : cases)
        EXPECT_EQ(failingLine(c.lines), c.line) << c.what;
}

TEST(PlanExtension, PlanWithoutExtendedContentHasNoMarker)
{
    AppState plan = makePlan(2005, 2);
    addDay(plan, QDate(2005, 4, 12), u"　国算生体音　"_s);
    QStringDecoder decoder(kPlanCodePage);
    const QString text = decoder.decode(serializePlan(plan));
    EXPECT_FALSE(text.contains(u'#'));
    EXPECT_EQ(text.count(u"\r\n"_s), planFileLineCount(plan.intHolidayCount, 1));
}

TEST(PlanExtension, PlanReaderTakesTheExtensionAfterTheDayBlocks)
{
    AppState plan = makePlan(2005, 2);
    addDay(plan, QDate(2005, 4, 12), u"　国算生体音　"_s);
    const QByteArray basic = serializePlan(plan);
    const int days = planFileLineCount(plan.intHolidayCount, 1);
    QStringEncoder encoder(kPlanCodePage);

    // An empty extension is a well-formed one.
    const AppState back = readPlan(basic + encoder.encode(u"#ミルテ拡張 1\r\n#終わり\r\n"_s), u"x.rv"_s);
    EXPECT_EQ(back.objDayChain->objNextDay->strSubject, u"　国算生体音　"_s);

    // A section this program does not know is refused on its header line.
    try {
        readPlan(basic + encoder.encode(u"#ミルテ拡張 1\r\n#未知 1\r\n 0 \r\n#終わり\r\n"_s), u"x.rv"_s);
        FAIL() << "an unknown section was read";
    } catch (const PlanFileError& e) {
        EXPECT_EQ(e.line(), days + 2);
    }
}
