// render-platform FOLDER: draws the month calendar, the grid, the dialogs and every subject picture
// into PNG files (and a sample page into a PDF), to look at them.
#include "platform/filefilter.h"
#include "platform/grid.h"
#include "platform/japanese.h"
#include "platform/monthcalendar.h"
#include "platform/pagesetupdialog.h"
#include "platform/painterprinter.h"
#include "platform/printerpainting.h"
#include "platform/qtdialogs.h"
#include "platform/subjectpictures.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <cstdio>

namespace {
bool save(const QImage& image, const QDir& dir, const QString& name)
{
    const QString path = dir.filePath(name);
    if (!image.save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

bool saveWidget(QWidget& widget, const QDir& dir, const QString& name)
{
    // adjustSize() would cap the width at two thirds of the (small, offscreen) screen.
    widget.resize(widget.sizeHint().expandedTo(widget.minimumSizeHint()));
    widget.show();
    QCoreApplication::processEvents();
    return save(widget.grab().toImage(), dir, name);
}

bool renderCalendars(const QDir& dir)
{
    MonthCalendar main;
    main.setMonthColumns(3);
    main.setMaxDate(QDate(9999, 12, 31));
    main.setMinDate(QDate(2001, 4, 1));
    main.setMaxDate(QDate(2002, 3, 31));
    main.setToday(QDate(2001, 10, 17));
    main.setDisplayedDate(QDate(2001, 10, 17));
    main.setSelection(QDate(2001, 10, 15), QDate(2001, 10, 20));
    for (int n = 1; n <= main.visibleDayCount(); ++n) {
        const QDate d = main.visibleDay(n);
        main.setDayBold(d, d.dayOfWeek() <= 5 && d != QDate(2001, 10, 8));
    }
    main.setFocus();
    bool ok = saveWidget(main, dir, QStringLiteral("calendar.png"));

    // The holiday page's second term: five months in one row, limited to the term.
    MonthCalendar term;
    term.setMaxDate(QDate(9999, 12, 31));
    term.setMinDate(QDate(2001, 8, 1));
    term.setMaxDate(QDate(2001, 12, 31));
    term.showRange(QDate(2001, 8, 1), QDate(2001, 12, 31));
    for (int n = 1; n <= term.visibleDayCount(); ++n) {
        const QDate d = term.visibleDay(n);
        term.setDayBold(d, d.dayOfWeek() <= 5 && d >= QDate(2001, 9, 1) && d <= QDate(2001, 12, 25));
    }
    ok &= saveWidget(term, dir, QStringLiteral("calendar-term2.png"));

    // Bounds narrower than the shown months: the days outside them are greyed.
    MonthCalendar narrow;
    narrow.setMonthColumns(2);
    narrow.setMaxDate(QDate(9999, 12, 31));
    narrow.setMinDate(QDate(2002, 3, 10));
    narrow.setMaxDate(QDate(2002, 3, 31));
    narrow.setEnabled(true);
    ok &= saveWidget(narrow, dir, QStringLiteral("calendar-bounds.png"));
    return ok;
}

bool renderGrid(const QDir& dir)
{
    Grid grid;
    grid.setGridFontName(QStringLiteral("ＭＳ Ｐゴシック"));
    grid.setRows(8);
    grid.setCols(5);
    const QStringList heads = {QString(), QStringLiteral("計画"), QStringLiteral("実績"),
                               QStringLiteral("増減"), QStringLiteral("基本")};
    const QStringList subjects = {QStringLiteral("国語"),      QStringLiteral("社会"), QStringLiteral("算数"),
                                  QStringLiteral("理科"),      QStringLiteral("音楽"), QStringLiteral("図工"),
                                  QStringLiteral("授業時数計")};
    grid.setColWidthTwips(0, 1500);
    for (int c = 1; c < grid.cols(); ++c)
        grid.setColWidthTwips(c, 900);
    for (int r = 0; r < grid.rows(); ++r)
        grid.setRowHeightTwips(r, 300);
    for (int c = 1; c < grid.cols(); ++c) {
        grid.setTextMatrix(0, c, heads[c]);
        grid.setCellCentered(0, c);
    }
    const int plan[] = {245, 105, 175, 105, 70, 70, 1015};
    const int done[] = {250, 99, 180, 102, 70, 64, 1025};
    for (int r = 1; r < grid.rows(); ++r) {
        grid.setTextMatrix(r, 0, subjects[r - 1]);
        const int diff = done[r - 1] - plan[r - 1];
        grid.setTextMatrix(r, 1, QString::number(plan[r - 1] / 3.0, 'f', 1));
        grid.setTextMatrix(r, 2, QString::number(done[r - 1] / 3.0, 'f', 1));
        grid.setTextMatrix(r, 3, QString::number(diff / 3.0, 'f', 1));
        grid.setTextMatrix(r, 4, QString::number(plan[r - 1] / 3));
        for (int c = 1; c < grid.cols(); ++c)
            grid.setCellCentered(r, c);
        grid.setCellForeColor(r, 3, diff < 0 ? QColor(Qt::red) : QColor(Qt::blue));
    }
    grid.setCellBackColor(7, 1, QColor(0xFF, 0xFF, 0xC0));
    grid.setCellBackColor(7, 2, QColor(0xFF, 0xFF, 0xC0));
    grid.resize(1500 / 15 + 4 * 60 + 4, 8 * 20 + 4);
    grid.show();
    QCoreApplication::processEvents();
    return save(grid.grab().toImage(), dir, QStringLiteral("grid.png"));
}

bool renderPictures(const QDir& dir)
{
    bool ok = true;
    QImage sheetAll(5 * 160, 4 * 160, QImage::Format_RGB32);
    sheetAll.fill(Qt::white);
    QPainter all(&sheetAll);
    all.setRenderHint(QPainter::SmoothPixmapTransform);
    for (int i = 0; i < kSheetPictureCount; ++i) {
        const QImage picture = sheetPicture(i);
        ok &= save(picture, dir, QStringLiteral("sheet-%1.png").arg(i, 2, 10, QLatin1Char('0')));
        all.drawImage(QRect((i % 5) * 160 + 5, (i / 5) * 160 + 5, 150, 150), picture);
    }
    all.end();
    ok &= save(sheetAll, dir, QStringLiteral("sheet-all.png"));
    ok &=
        save(sheetAll.convertToFormat(QImage::Format_Grayscale8), dir, QStringLiteral("sheet-all-gray.png"));

    // The palette as the windows use it: icons at two sizes and as the cursor's picture.
    for (int i = 0; i < kPaletteSubjectCount; ++i) {
        const QPixmap icon = palettePicture(i);
        ok &= save(icon.toImage(), dir, QStringLiteral("palette-%1.png").arg(i, 2, 10, QLatin1Char('0')));
    }
    QImage paletteAll(kPaletteSubjectCount * 52, 100, QImage::Format_RGB32);
    paletteAll.fill(QColor(0xF0, 0xF0, 0xF0));
    QPainter p(&paletteAll);
    for (int i = 0; i < kPaletteSubjectCount; ++i) {
        p.drawPixmap(i * 52 + 10, 8, palettePicture(i, 32));
        p.drawPixmap(i * 52 + 2, 48, palettePicture(i, 48));
    }
    p.end();
    ok &= save(paletteAll, dir, QStringLiteral("palette-all.png"));
    ok &= save(paletteAll.convertToFormat(QImage::Format_Grayscale8), dir,
               QStringLiteral("palette-all-gray.png"));
    return ok;
}

bool renderPageSetup(const QDir& dir)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageSize(QPageSize(QPageSize::A4));
    PageSetupDialog dialog(printer, QStringLiteral("ﾍﾟｰｼﾞ設定"));
    return saveWidget(dialog, dir, QStringLiteral("pagesetup.png"));
}

bool renderDialogs(const QDir& dir)
{
    bool ok = true;
    auto question =
        QtDialogs::makeMessageBox(nullptr, QStringLiteral("計画ファイルを保存しますか？"),
                                  Dialogs::Buttons::YesNo, Dialogs::Icon::Question, kApplicationTitle);
    ok &= saveWidget(*question, dir, QStringLiteral("message-yesno.png"));
    auto notice = QtDialogs::makeMessageBox(nullptr, QStringLiteral("ファイルを読み込めませんでした。"),
                                            Dialogs::Buttons::Ok, Dialogs::Icon::Warning, kApplicationTitle);
    ok &= saveWidget(*notice, dir, QStringLiteral("message-ok.png"));

    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog print(&printer);
    ok &= saveWidget(print, dir, QStringLiteral("printdialog.png"));
    QFileDialog open(nullptr, QStringLiteral("開く"), dir.path(), toQtFileFilter(kPlanFileFilter));
    open.setOption(QFileDialog::DontUseNativeDialog);
    ok &= saveWidget(open, dir, QStringLiteral("opendialog.png"));
    return ok;
}

bool renderSamplePage(const QDir& dir)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setOutputFileName(dir.filePath(QStringLiteral("sample.pdf")));
    PainterPrinter out(printer, colorModeOf(printer));
    out.setColorMode(2);
    out.setOrientation(Printer::Orientation::Portrait);
    out.setFontName(QStringLiteral("ＭＳ 明朝"));
    out.setFontSize(24);
    out.printAt(1000, 500, QStringLiteral("５年３組   時 間 割"));
    out.setFontName(QStringLiteral("ＭＳ ゴシック"));
    out.setFontSize(12);
    out.printAt(1000, 1400, QStringLiteral("担任　（山田　花子）"));
    out.setDrawWidth(6);
    out.line(1000, 2000, 10000, 2000);
    out.setDrawWidth(2);
    for (int i = 0; i <= 6; ++i)
        out.line(1000 + 1450 * i, 2000, 1000 + 1450 * i, 5300);
    for (int i = 0; i < 6; ++i)
        out.paintPicture(sheetPicture(i), 1050 + 1450 * i, 2100, 1350, 1350);
    out.setForeColor(Qt::red);
    out.setFontSize(10);
    out.printAt(1000, 5500, QStringLiteral("-1.1"));
    out.setForeColor(Qt::black);
    out.endDoc();
    std::printf("%s\n", qPrintable(dir.filePath(QStringLiteral("sample.pdf"))));
    return !out.hasFailed();
}
} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: render-platform FOLDER\n");
        return 2;
    }
    QDir dir(args[1]);
    if (!dir.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(args[1]));
        return 1;
    }
    installQtTranslations(app);
    installFontSubstitutions();

    bool ok = renderCalendars(dir);
    ok &= renderGrid(dir);
    ok &= renderPictures(dir);
    ok &= renderPageSetup(dir);
    ok &= renderDialogs(dir);
    ok &= renderSamplePage(dir);
    return ok ? 0 : 1;
}
