// The printers: what the recording printer keeps, and what the QPainter printer puts into a PDF.
#include "platform/japanese.h"
#include "platform/painterprinter.h"
#include "platform/printerpainting.h"
#include "platform/recordingprinter.h"
#include "platform/subjectpictures.h"

#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(RecordingPrinterTest, KeepsTheSettingsBeforeTheFirstDrawingInOrder)
{
    RecordingPrinter p;
    p.setColorMode(2);
    p.setOrientation(Printer::Orientation::Landscape);
    p.setFontName(QStringLiteral("ＭＳ 明朝"));
    p.setFontSize(12);
    p.printAt(100, 200, QStringLiteral("年間時間割"));
    p.setFontName(QStringLiteral("ＭＳ ゴシック"));

    EXPECT_EQ(p.settings(),
              QStringList({"colorMode 2", "orientation landscape", "font ＭＳ 明朝", "fontSize 12"}));
    EXPECT_EQ(p.colorMode(), 2);
    EXPECT_EQ(p.orientation(), Printer::Orientation::Landscape);
}

TEST(RecordingPrinterTest, KeepsEveryDrawingWithTheStateItWasDrawnIn)
{
    RecordingPrinter p;
    p.setFontName(QStringLiteral("ＭＳ 明朝"));
    p.setFontSize(9);
    p.printAt(500, 600, QStringLiteral("国"));
    p.setForeColor(Qt::red);
    p.setFontSize(11);
    p.printAt(500, 600, QStringLiteral("-1.1"));
    p.setForeColor(Qt::black);
    p.setDrawWidth(6);
    p.line(0, 100, 16000, 100);
    p.setDrawWidth(1);
    p.line(10, 0, 10, 9000);
    const QImage picture = sheetPicture(0);
    p.paintPicture(picture, 1750, 3250, 1350, 1350);
    p.endDoc();

    ASSERT_EQ(p.texts().size(), 2);
    const QList<RecordingPrinter::Text> at = p.textsAt(500, 600);
    ASSERT_EQ(at.size(), 2);
    EXPECT_EQ(at[0].text, QStringLiteral("国"));
    EXPECT_EQ(at[0].color, QColor(Qt::black));
    EXPECT_EQ(at[0].fontSize, 9);
    const RecordingPrinter::Text* diff = p.findText(QStringLiteral("-1.1"));
    ASSERT_NE(diff, nullptr);
    EXPECT_EQ(diff->color, QColor(Qt::red));
    EXPECT_EQ(diff->fontSize, 11);
    EXPECT_EQ(diff->fontName, QStringLiteral("ＭＳ 明朝"));
    EXPECT_EQ(p.findText(QStringLiteral("社")), nullptr);
    EXPECT_TRUE(p.textsAt(500, 601).isEmpty());

    EXPECT_TRUE(p.hasLine(0, 100, 16000, 100, 6));
    EXPECT_TRUE(p.hasLine(16000, 100, 0, 100, 6)) << "a line is the same drawn either way";
    EXPECT_FALSE(p.hasLine(0, 100, 16000, 100, 1));
    EXPECT_TRUE(p.hasLine(10, 0, 10, 9000, 1));

    ASSERT_EQ(p.pictures().size(), 1);
    EXPECT_EQ(p.pictures()[0].image, picture);
    EXPECT_EQ(p.pictures()[0].width, 1350);
    EXPECT_EQ(p.documentsEnded(), 1);
}

// Runs a poppler tool, or skips the test when it is not installed.
#define RUN_TOOL(out, tool, ...)                                                                             \
    do {                                                                                                     \
        const QString path = QStandardPaths::findExecutable(QStringLiteral(tool));                           \
        if (path.isEmpty())                                                                                  \
            GTEST_SKIP() << tool " is not installed";                                                        \
        QProcess proc;                                                                                       \
        proc.start(path, QStringList{__VA_ARGS__});                                                          \
        ASSERT_TRUE(proc.waitForFinished(30000));                                                            \
        ASSERT_EQ(proc.exitCode(), 0) << proc.readAllStandardError().toStdString();                          \
        out = QString::fromUtf8(proc.readAllStandardOutput());                                               \
    } while (false)

class PainterPrinterTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { installFontSubstitutions(); }
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        pdf = dir.filePath(QStringLiteral("sheet.pdf"));
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
    }

    struct Word {
        QString text;
        double xMin, yMin, xMax, yMax;
    };
    // The words pdftotext finds, with their boxes in points from the paper's corner.
    static QList<Word> words(const QString& bboxHtml)
    {
        static const QRegularExpression re(QStringLiteral(
            R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
        QList<Word> found;
        for (auto it = re.globalMatch(bboxHtml); it.hasNext();) {
            const auto m = it.next();
            found.append({m.captured(5), m.captured(1).toDouble(), m.captured(2).toDouble(),
                          m.captured(3).toDouble(), m.captured(4).toDouble()});
        }
        return found;
    }

    QTemporaryDir dir;
    QString pdf;
    QPrinter printer{QPrinter::HighResolution};
};

TEST_F(PainterPrinterTest, TextLandsWithItsTopAtThePositionInTheSheetsFonts)
{
    {
        PainterPrinter p(printer, colorModeOf(printer));
        p.setColorMode(2);
        p.setOrientation(Printer::Orientation::Landscape);
        p.setFontName(QStringLiteral("ＭＳ 明朝"));
        p.setFontSize(20);
        p.printAt(1440, 720, QStringLiteral("年間時間割"));
        p.setFontName(QStringLiteral("ＭＳ ゴシック"));
        p.setFontSize(10);
        p.printAt(2880, 2880, QStringLiteral("国語"));
        p.setDrawWidth(6);
        p.line(0, 3000, 16000, 3000);
        p.paintPicture(sheetPicture(3), 1750, 3250, 1350, 1350);
        p.endDoc();
        EXPECT_FALSE(p.hasFailed());
    }
    QString info, bbox, fonts;
    RUN_TOOL(info, "pdfinfo", pdf);
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral(R"(Page size:\s+84[12](\.\d+)? x 595)"))))
        << "landscape A4, set before the first drawing: " << info.toStdString();
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral(R"(Pages:\s+1\b)"))));

    RUN_TOOL(bbox, "pdftotext", QStringLiteral("-bbox"), pdf, QStringLiteral("-"));
    const QList<Word> found = words(bbox);
    const double margin = 10 / 25.4 * 72; // the printable area starts 10 mm in
    auto find = [&](const QString& text) -> const Word* {
        for (const Word& w : found)
            if (w.text == text)
                return &w;
        return nullptr;
    };
    const Word* title = find(QStringLiteral("年間時間割"));
    ASSERT_NE(title, nullptr) << bbox.toStdString();
    EXPECT_NEAR(title->xMin, margin + 72, 1.0);
    EXPECT_NEAR(title->yMin, margin + 36, 1.0) << "the text's top is at y";
    EXPECT_NEAR(title->yMax - title->yMin, 20, 1.5) << "20 points high";
    const Word* subject = find(QStringLiteral("国語"));
    ASSERT_NE(subject, nullptr);
    EXPECT_NEAR(subject->xMin, margin + 144, 1.0);
    EXPECT_NEAR(subject->yMin, margin + 144, 1.0);
    EXPECT_NEAR(subject->xMax - subject->xMin, 20, 1.5) << "two full-width characters of 10 points";

    RUN_TOOL(fonts, "pdffonts", pdf);
    EXPECT_TRUE(fonts.contains(QStringLiteral("IPAMincho"))) << fonts.toStdString();
    EXPECT_TRUE(fonts.contains(QStringLiteral("IPAGothic"))) << fonts.toStdString();
}

TEST_F(PainterPrinterTest, LineWidthsArePixelsOfA600DpiPrinterInTheCurrentColour)
{
    {
        PainterPrinter p(printer, colorModeOf(printer));
        p.setColorMode(2);
        p.setDrawWidth(6); // 1/100 inch
        p.line(1440, 1440, 4320, 1440);
        p.setDrawWidth(24); // 1/25 inch
        p.setForeColor(QColor(255, 0, 0));
        p.line(1440, 2880, 4320, 2880);
        p.endDoc();
    }
    // Render the top left of the page at 300 dpi: the lines lie 10 mm + 1 and 2 inches down, at
    // pixels 418 and 718.
    QString ignored;
    const QString prefix = dir.filePath(QStringLiteral("page"));
    RUN_TOOL(ignored, "pdftoppm", QStringLiteral("-r"), QStringLiteral("300"), QStringLiteral("-png"),
             QStringLiteral("-singlefile"), QStringLiteral("-x"), QStringLiteral("0"), QStringLiteral("-y"),
             QStringLiteral("0"), QStringLiteral("-W"), QStringLiteral("1200"), QStringLiteral("-H"),
             QStringLiteral("1200"), pdf, prefix);
    const QImage page(prefix + QStringLiteral(".png"));
    ASSERT_FALSE(page.isNull());
    // Thickness of the mark in the column through the lines' middle, and its colour.
    auto thickness = [&](int fromY, int toY, QColor* colour) {
        int dark = 0;
        for (int y = fromY; y < toY; ++y) {
            const QColor c = page.pixelColor(700, y);
            if (qGray(c.rgb()) < 160) {
                ++dark;
                *colour = c;
            }
        }
        return dark;
    };
    QColor thin, thick;
    EXPECT_NEAR(thickness(380, 460, &thin), 3, 1);
    EXPECT_NEAR(thickness(680, 760, &thick), 12, 1);
    EXPECT_LT(thin.red(), 80) << "black";
    EXPECT_GT(thick.red(), 200);
    EXPECT_LT(thick.green(), 80) << "red";
}

TEST_F(PainterPrinterTest, PrintMovesXToTheEndOfTheText)
{
    PainterPrinter p(printer, colorModeOf(printer));
    p.setFontName(QStringLiteral("ＭＳ ゴシック"));
    p.setFontSize(10);
    p.printAt(1000, 500, QStringLiteral("国語"));
    // Two full-width characters of 10 points are 20 points, 400 twips.
    EXPECT_NEAR(p.currentX(), 1400, 10);
    EXPECT_EQ(p.currentY(), 500);
    p.setFontSize(20);
    p.print(QStringLiteral("国語"));
    EXPECT_NEAR(p.currentX(), 2200, 20);
    p.endDoc();
}

TEST_F(PainterPrinterTest, NothingIsWrittenBeforeTheDocumentEnds)
{
    {
        PainterPrinter p(printer, colorModeOf(printer));
        p.setOrientation(Printer::Orientation::Portrait);
        EXPECT_FALSE(QFile::exists(pdf)) << "setting up draws nothing";
        p.printAt(0, 0, QStringLiteral("週間時間割"));
        p.endDoc();
    }
    QString info;
    RUN_TOOL(info, "pdfinfo", pdf);
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral(R"(Page size:\s+595(\.\d+)? x 84[12])"))));
}

TEST_F(PainterPrinterTest, AnUnwritableFileIsReportedAndDrawingIsSafe)
{
    printer.setOutputFileName(dir.filePath(QStringLiteral("missing/folder/sheet.pdf")));
    PainterPrinter p(printer, colorModeOf(printer));
    EXPECT_FALSE(p.hasFailed());
    p.printAt(0, 0, QStringLiteral("国語"));
    p.line(0, 0, 100, 100);
    p.paintPicture(sheetPicture(0), 0, 0, 100, 100);
    p.endDoc();
    EXPECT_TRUE(p.hasFailed());
}

TEST_F(PainterPrinterTest, ColourModeTwoPrintsInColour)
{
    PainterPrinter p(printer, colorModeOf(printer));
    p.setColorMode(1);
    EXPECT_EQ(printer.colorMode(), QPrinter::GrayScale);
    p.setColorMode(2);
    EXPECT_EQ(printer.colorMode(), QPrinter::Color);
}

} // namespace
