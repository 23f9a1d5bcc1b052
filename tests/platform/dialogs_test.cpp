// The real dialogs, answered by a timer as a user would, and the filter conversion.
#include "platform/filefilter.h"
#include "platform/pagesetupdialog.h"
#include "platform/qtdialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrinter>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace {

TEST(FileFilterTest, ConvertsLabelPatternPairsToQtFilters)
{
    const struct {
        QString given, expected;
    } cases[] = {
        {QStringLiteral("zuviziz (*.rv)|*.rv"), QStringLiteral("zuviziz (*.rv)")},
        {QStringLiteral("計画ファイル|*.rv"), QStringLiteral("計画ファイル (*.rv)")},
        {QStringLiteral("zuviziz (*.rv)|*.rv|すべて (*.*)|*.*"),
         QStringLiteral("zuviziz (*.rv);;すべて (*.*)")},
        {QStringLiteral("テキスト|*.txt;*.csv"), QStringLiteral("テキスト (*.txt *.csv)")},
        {QStringLiteral("|*.rv"), QStringLiteral("(*.rv)")},
        {QString(), QString()},
    };
    for (const auto& c : cases)
        EXPECT_EQ(toQtFileFilter(c.given), c.expected) << c.given.toStdString();
}

// Runs `answer` on the first modal dialog that opens, as soon as it is shown.
void whenModalOpens(std::function<void(QWidget*)> answer)
{
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, answer] {
        if (QWidget* w = QApplication::activeModalWidget(); w && w->isVisible()) {
            timer->stop();
            timer->deleteLater();
            answer(w);
        }
    });
    timer->start();
}

QAbstractButton* buttonWithText(QWidget* dialog, const QString& text)
{
    for (QAbstractButton* b : dialog->findChildren<QAbstractButton*>())
        if (b->text() == text)
            return b;
    return nullptr;
}

TEST(QtDialogsTest, MessageBoxesSpeakJapaneseAndReportTheButton)
{
    QtDialogs qtDialogs;
    Dialogs& dialogs = qtDialogs; // the windows reach it through the interface, with its defaults
    const struct {
        QString click;
        Dialogs::Answer expected;
    } cases[] = {{QStringLiteral("はい(&Y)"), Dialogs::Answer::Yes},
                 {QStringLiteral("いいえ(&N)"), Dialogs::Answer::No}};
    for (const auto& c : cases) {
        QString title, text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        bool clicked = false;
        whenModalOpens([&](QWidget* w) {
            auto* box = qobject_cast<QMessageBox*>(w);
            ASSERT_NE(box, nullptr);
            title = box->windowTitle();
            text = box->text();
            icon = box->icon();
            QAbstractButton* b = buttonWithText(box, c.click);
            ASSERT_NE(b, nullptr);
            clicked = true;
            b->click();
        });
        const Dialogs::Answer answer =
            dialogs.message(nullptr, QStringLiteral("保存しますか？"), Dialogs::Buttons::YesNo,
                            Dialogs::Icon::Question, QStringLiteral("ミルテ"));
        ASSERT_TRUE(clicked);
        EXPECT_EQ(answer, c.expected);
        EXPECT_EQ(title, QStringLiteral("ミルテ"));
        EXPECT_EQ(text, QStringLiteral("保存しますか？"));
        EXPECT_EQ(icon, QMessageBox::Question);
    }

    // Escape on a yes/no question is the cautious answer; on a notice it is OK.
    whenModalOpens([](QWidget* w) { QTest::keyClick(w, Qt::Key_Escape); });
    EXPECT_EQ(dialogs.message(nullptr, QStringLiteral("?"), Dialogs::Buttons::YesNo), Dialogs::Answer::No);
    bool hasOk = false;
    whenModalOpens([&](QWidget* w) {
        hasOk = buttonWithText(w, QStringLiteral("OK")) != nullptr;
        QTest::keyClick(w, Qt::Key_Escape);
    });
    EXPECT_EQ(dialogs.message(nullptr, QStringLiteral("!")), Dialogs::Answer::Ok);
    EXPECT_TRUE(hasOk);
}

TEST(QtDialogsTest, FileDialogsReturnThePathAsTypedOrNothingOnCancel)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString typed = dir.filePath(QStringLiteral("plan2001"));
    QtDialogs dialogs;

    QString title;
    QStringList filters;
    whenModalOpens([&](QWidget* w) {
        auto* fd = qobject_cast<QFileDialog*>(w);
        ASSERT_NE(fd, nullptr);
        title = fd->windowTitle();
        filters = fd->nameFilters();
        fd->selectFile(typed);
        static_cast<QDialog*>(fd)->accept();
    });
    EXPECT_EQ(dialogs.saveFileName(nullptr, QStringLiteral("ファイル名を付けて保存"), kPlanFileFilter), typed)
        << "no extension is added";
    EXPECT_EQ(title, QStringLiteral("ファイル名を付けて保存"));
    EXPECT_EQ(filters, QStringList{QStringLiteral("zuviziz (*.rv)")});

    whenModalOpens([](QWidget* w) { qobject_cast<QDialog*>(w)->reject(); });
    EXPECT_EQ(dialogs.openFileName(nullptr, QStringLiteral("開く"), kPlanFileFilter), QString());
    whenModalOpens([](QWidget* w) { qobject_cast<QDialog*>(w)->reject(); });
    EXPECT_EQ(dialogs.saveFileName(nullptr, QStringLiteral("ファイル名を付けて保存"), kPlanFileFilter),
              QString());
}

TEST(QtDialogsTest, PageSetupAppliesToAPdfPrinterAndCancelKeepsIt)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setPageMargins(QMarginsF(5, 5, 5, 5), QPageLayout::Millimeter);
    QtDialogs dialogs;

    QString title;
    whenModalOpens([&](QWidget* w) {
        title = w->windowTitle();
        w->findChild<QRadioButton*>(QStringLiteral("optLandscape"))->setChecked(true);
        w->findChild<QDoubleSpinBox*>(QStringLiteral("txtMarginLeft"))->setValue(15);
        w->findChild<QDoubleSpinBox*>(QStringLiteral("txtMarginTop"))->setValue(12.5);
        w->findChild<QAbstractButton*>(QStringLiteral("OKButton"))->click();
    });
    EXPECT_TRUE(dialogs.pageSetupDialog(nullptr, printer, QStringLiteral("ﾍﾟｰｼﾞ設定")));
    EXPECT_EQ(title, QStringLiteral("ﾍﾟｰｼﾞ設定"));
    EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Landscape);
    EXPECT_EQ(printer.pageLayout().pageSize().id(), QPageSize::A4);
    const QMarginsF m = printer.pageLayout().margins(QPageLayout::Millimeter);
    EXPECT_NEAR(m.left(), 15, 0.1);
    EXPECT_NEAR(m.top(), 12.5, 0.1);
    EXPECT_NEAR(m.right(), 5, 0.1);

    whenModalOpens([](QWidget* w) {
        w->findChild<QRadioButton*>(QStringLiteral("optPortrait"))->setChecked(true);
        w->findChild<QAbstractButton*>(QStringLiteral("CancelButton"))->click();
    });
    EXPECT_FALSE(dialogs.pageSetupDialog(nullptr, printer, QStringLiteral("ﾍﾟｰｼﾞ設定")));
    EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Landscape);
}

TEST(QtDialogsTest, ThePrinterDialogReportsHowItWasClosedAndNamesAPdfFile)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    QtDialogs dialogs;
    whenModalOpens([](QWidget* w) { qobject_cast<QDialog*>(w)->reject(); });
    EXPECT_FALSE(dialogs.printDialog(nullptr, printer));
    EXPECT_TRUE(printer.outputFileName().endsWith(QStringLiteral("ミルテ.pdf")))
        << printer.outputFileName().toStdString();

    QTemporaryDir dir;
    const QString chosen = dir.filePath(QStringLiteral("年間.pdf"));
    printer.setOutputFileName(chosen);
    whenModalOpens([](QWidget* w) { qobject_cast<QDialog*>(w)->accept(); });
    EXPECT_TRUE(dialogs.printDialog(nullptr, printer));
    EXPECT_EQ(printer.outputFileName(), chosen) << "a name already chosen is kept";
}

TEST(PageSetupDialogTest, MarginsTooWideForThePaperAreBroughtWithinIt)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageSize(QPageSize(QPageSize::A4));
    PageSetupDialog dialog(printer, QStringLiteral("ﾍﾟｰｼﾞ設定"));
    dialog.findChild<QDoubleSpinBox*>(QStringLiteral("txtMarginLeft"))->setValue(100);
    dialog.findChild<QDoubleSpinBox*>(QStringLiteral("txtMarginRight"))->setValue(100);
    EXPECT_TRUE(dialog.applyTo(printer));
    EXPECT_GT(printer.pageLayout().paintRect(QPageLayout::Millimeter).width(), 0);
}

} // namespace
