// The print window: its options, the missing-plan message, the printer dialog before every sheet.
#include "reports/frmprint.h"

#include "platform/printerpainting.h"
#include "reportsfixture.h"
#include "testservices.h"

#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class PrintWindow : public ::testing::Test {
protected:
    QRadioButton* option(int i)
    {
        return window.findChild<QRadioButton*>(QStringLiteral("optPrint_%1").arg(i));
    }
    QPushButton* button(const char* name)
    {
        return window.findChild<QPushButton*>(QString::fromLatin1(name));
    }
    void open() { t.activation.show(&window); }
    void print() { QTest::mouseClick(button("cmdPrint"), Qt::LeftButton); }

    std::unique_ptr<AppState> state = makePlan(2001, 3);
    TestServices t;
    frmPrint window{*state, t.services};
};

} // namespace

TEST_F(PrintWindow, OpensWithTheAnnualSheetChosenAndEverySheetOffered)
{
    open();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("印刷する表を選んでください"));
    const char16_t* captions[] = {u"年間の時数集計表",   u"1学期の時間割表",    u"1学期の時数集計表",
                                  u"２学期の時間割表",   u"２学期の時数集計表", u"３学期の時間割表",
                                  u"３学期の時数集計表", u"週間時間割計画表"};
    for (int i = 0; i < 8; ++i) {
        ASSERT_NE(option(i), nullptr) << i;
        EXPECT_EQ(option(i)->text(), QString::fromUtf16(captions[i])) << i;
        EXPECT_EQ(option(i)->accessibleName(), option(i)->text()) << i;
        EXPECT_TRUE(option(i)->isEnabled()) << i;
        if (i > 0) { // stacked in order
            EXPECT_GT(option(i)->y(), option(i - 1)->y()) << i;
        }
    }
    EXPECT_TRUE(option(0)->isChecked());
    EXPECT_EQ(window.focusWidget(), button("cmdPrint"));
    EXPECT_EQ(button("cmdPrint")->text(), QStringLiteral("印刷"));
    EXPECT_EQ(button("cmdPrintClose")->text(), QStringLiteral("閉じる"));
}

TEST_F(PrintWindow, WithoutAPlanEveryOptionOnlySaysThereIsNothingToPrint)
{
    state->intYear = 0;
    open();
    for (int i : {0, 3, 7}) {
        option(i)->setChecked(true);
        t.dialogs.answerMessage(Dialogs::Answer::Ok);
        print();
    }
    ASSERT_EQ(t.dialogs.calls().size(), 3);
    for (const ScriptedDialogs::Call& call : t.dialogs.calls()) {
        EXPECT_EQ(call.kind, ScriptedDialogs::Kind::Message);
        EXPECT_EQ(call.text, QStringLiteral("印刷するデータがありません。"));
        EXPECT_EQ(call.title, QStringLiteral("ミルテ"));
        EXPECT_EQ(call.buttons, Dialogs::Buttons::Ok);
        EXPECT_EQ(call.icon, Dialogs::Icon::None);
    }
    EXPECT_EQ(t.printersOpened, 0);
}

TEST_F(PrintWindow, AcceptedPrinterDialogPrintsTheChosenSheet)
{
    record(*state, QDate(2001, 10, 15), kE + QStringLiteral("国国") + kE + kE + kE + kE);
    open();
    t.dialogs.answerPrint(true);
    print();
    EXPECT_EQ(t.printersOpened, 1);
    EXPECT_EQ(t.recording.documentsEnded(), 1);
    EXPECT_EQ(t.recording.orientation(), Printer::Orientation::Landscape);
    EXPECT_EQ(state->objYearResult->kokugo, 6); // the sheet recomputed the results
    EXPECT_TRUE(window.isVisible());

    option(7)->setChecked(true);
    t.dialogs.answerPrint(true);
    print();
    EXPECT_EQ(t.recording.documentsEnded(), 2);
    EXPECT_EQ(t.recording.orientation(), Printer::Orientation::Portrait);
}

TEST_F(PrintWindow, AnnualSheetKeepsWithinTheMarginsOfThePageSetUp)
{
    t.printer->setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
    open();
    t.dialogs.answerPrint(true);
    print();
    double lowest = 0;
    for (const auto& l : t.recording.lines())
        lowest = std::max({lowest, l.y1, l.y2});
    EXPECT_GT(lowest, 9000);
    EXPECT_LE(lowest, (210 - 40) / 25.4 * 1440 + 1);
}

// Margins changed in the printer dialog itself count: the fit is measured once the dialog has closed.
TEST_F(PrintWindow, BothSheetsKeepWithinMarginsChosenInThePrinterDialog)
{
    t.printer->setPageSize(QPageSize(QPageSize::A4));
    t.printer->setPageMargins(QMarginsF(5, 5, 5, 5), QPageLayout::Millimeter);
    open();
    const auto thirtyMillimetres = [](QPrinter& printer) {
        printer.setPageMargins(QMarginsF(30, 30, 30, 30), QPageLayout::Millimeter);
    };
    // By hand: A4 is 210 × 297 mm; 30 mm on every side leaves 150 × 237 mm.
    const double shortSide = 150 / 25.4 * 1440;
    const double longSide = 237 / 25.4 * 1440;
    for (const int sheet : {0, 7}) {
        option(sheet)->setChecked(true);
        const qsizetype before = t.recording.lines().size();
        t.dialogs.answerPrint(true, thirtyMillimetres);
        print();
        const double width = sheet == 0 ? longSide : shortSide;
        const double height = sheet == 0 ? shortSide : longSide;
        double right = 0, lowest = 0;
        for (const auto& l : t.recording.lines().mid(before)) {
            right = std::max({right, l.x1, l.x2});
            lowest = std::max({lowest, l.y1, l.y2});
        }
        EXPECT_LE(right, width + 1e-6) << sheet;
        EXPECT_LE(lowest, height + 1e-6) << sheet;
        EXPECT_TRUE(right > width - 1 || lowest > height - 1)
            << sheet << ": shrunk to the area, not below it: " << right << " × " << lowest;
        t.printer->setPageMargins(QMarginsF(5, 5, 5, 5), QPageLayout::Millimeter);
    }
}

TEST_F(PrintWindow, CancelledPrinterDialogPrintsNothing)
{
    open();
    for (int i : {0, 7}) {
        option(i)->setChecked(true);
        t.dialogs.answerPrint(false);
        print();
    }
    EXPECT_EQ(t.printersOpened, 0);
    EXPECT_TRUE(t.recording.texts().isEmpty());
}

TEST_F(PrintWindow, EachTermOptionPrintsItsTermsSheet)
{
    open();
    const char16_t* titles[] = {u"１学期の時間割表",   u"１学期の時数集計表", u"２学期の時間割表",
                                u"２学期の時数集計表", u"３学期の時間割表",   u"３学期の時数集計表"};
    for (int i = 1; i <= 6; ++i) {
        option(i)->setChecked(true);
        t.dialogs.answerPrint(true);
        print();
        EXPECT_EQ(t.recording.documentsEnded(), i) << i;
        EXPECT_EQ(t.recording.orientation(), Printer::Orientation::Landscape) << i;
        const QString title = QStringLiteral("平成13年度　") + QString::fromUtf16(titles[i - 1]) +
                              QStringLiteral("   ３年２組");
        EXPECT_NE(t.recording.findText(title), nullptr) << i;
    }
    EXPECT_EQ(t.printersOpened, 6);
}

TEST_F(PrintWindow, TermSheetKeepsWithinTheMarginsOfThePageSetUp)
{
    t.printer->setPageMargins(QMarginsF(30, 30, 30, 30), QPageLayout::Millimeter);
    open();
    option(3)->setChecked(true);
    t.dialogs.answerPrint(true);
    print();
    double right = 0, lowest = 0;
    for (const auto& l : t.recording.lines()) {
        right = std::max({right, l.x1, l.x2});
        lowest = std::max({lowest, l.y1, l.y2});
    }
    EXPECT_LE(right, (297 - 60) / 25.4 * 1440 + 1);
    EXPECT_LE(lowest, (210 - 60) / 25.4 * 1440 + 1);
    EXPECT_GT(lowest, 7000);
}

TEST_F(PrintWindow, PrinterThatRefusesTheDocumentIsReported)
{
    QPrinter unwritable;
    unwritable.setOutputFormat(QPrinter::PdfFormat);
    unwritable.setOutputFileName(QStringLiteral("/nonexistent/folder/sheet.pdf"));
    t.open = [&](QPrinter&) { return paintOnPrinter(unwritable); };
    open();
    t.dialogs.answerPrint(true);
    t.dialogs.answerMessage(Dialogs::Answer::Ok);
    print();
    ASSERT_EQ(t.dialogs.messages().size(), 1);
    EXPECT_TRUE(t.dialogs.messages().first().startsWith(QStringLiteral("印刷できませんでした。")));
}

TEST_F(PrintWindow, ClosingHidesAndKeepsTheChoiceForNextTime)
{
    open();
    option(7)->setChecked(true);
    QTest::mouseClick(button("cmdPrintClose"), Qt::LeftButton);
    EXPECT_FALSE(window.isVisible());

    open();
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(option(7)->isChecked());
}
