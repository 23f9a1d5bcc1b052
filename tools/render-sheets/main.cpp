// render-sheets [--grade N] [--class TEXT] [--date YYYY-MM-DD] PLAN.rv OUTDIR
//
// Writes year.pdf, week.pdf and termN-timetable.pdf, termN-tally.pdf (the annual sheet, the weekly
// timetable poster and the sheets of each term of the plan),
// turns them into PNGs at 80 dpi when pdftoppm is installed, and grabs the tally window (on the
// week of --date) and the print window as tally.png and print.png. --grade and --class override the
// plan's, e.g. --grade 1 for the hiragana poster.
#include "core/mirteerror.h"
#include "planfile/planfile.h"
#include "platform/japanese.h"
#include "platform/placementstore.h"
#include "platform/recordingprinter.h"
#include "reports/frmdisptimetable.h"
#include "reports/frmprint.h"
#include "reports/pdfexport.h"
#include "ui/common/quietservices.h"
#include "ui/common/services.h"
#include "ui/common/windowactivation.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <cstdio>

namespace {

void toPng(const QString& pdf)
{
    const QString pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
    if (pdftoppm.isEmpty())
        return;
    QString base = pdf;
    base.chop(4);
    QProcess::execute(pdftoppm, {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("80"),
                                 QStringLiteral("-singlefile"), pdf, base});
}

bool grab(QWidget& window, const QString& path)
{
    return window.grab().save(path);
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    installFontSubstitutions();

    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addOption({QStringLiteral("grade"), QStringLiteral("Grade 1 to 6 instead of the plan's."),
                      QStringLiteral("N")});
    parser.addOption({QStringLiteral("class"), QStringLiteral("Class text instead of the plan's."),
                      QStringLiteral("TEXT")});
    parser.addOption({QStringLiteral("date"), QStringLiteral("Date whose week the tally window shows."),
                      QStringLiteral("YYYY-MM-DD")});
    parser.addPositionalArgument(QStringLiteral("plan"), QStringLiteral("The plan file (.rv)."));
    parser.addPositionalArgument(QStringLiteral("outdir"), QStringLiteral("Folder for the PDFs and PNGs."));
    parser.process(app);
    if (parser.positionalArguments().size() != 2)
        parser.showHelp(2);
    const QString planPath = parser.positionalArguments().at(0);
    const QDir out(parser.positionalArguments().at(1));
    if (!QDir().mkpath(out.path())) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(out.path()));
        return 1;
    }

    AppState state;
    try {
        LoadPlanFile(state, planPath);
        if (parser.isSet(QStringLiteral("grade")))
            state.intGrade = static_cast<std::int16_t>(parser.value(QStringLiteral("grade")).toInt());
        if (parser.isSet(QStringLiteral("class")))
            state.strClass = parser.value(QStringLiteral("class"));
        if (parser.isSet(QStringLiteral("date")))
            state.dateSelected = QDate::fromString(parser.value(QStringLiteral("date")), Qt::ISODate);

        const struct {
            Sheet sheet;
            int term;
            const char* name;
        } sheets[] = {
            {Sheet::Year, 1, "year.pdf"},
            {Sheet::WeekPlan, 1, "week.pdf"},
            {Sheet::TermTimetable, 1, "term1-timetable.pdf"},
            {Sheet::TermTally, 1, "term1-tally.pdf"},
            {Sheet::TermTimetable, 2, "term2-timetable.pdf"},
            {Sheet::TermTally, 2, "term2-tally.pdf"},
            {Sheet::TermTimetable, 3, "term3-timetable.pdf"},
            {Sheet::TermTally, 3, "term3-tally.pdf"},
        };
        for (const auto& [sheet, term, name] : sheets) {
            const QString path = out.filePath(QString::fromLatin1(name));
            printSheetToPdf(state, sheet, path, term);
            toPng(path);
            std::printf("%s\n", qPrintable(path));
        }
    } catch (const MirteError& e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.description()));
        return 1;
    }

    QuietServices quiet(state.dateSelected.isValid() ? state.dateSelected : QDate(state.intYear, 10, 17));
    quiet.quietDialogs.echoMessages = true;
    Services& services = quiet.services;
    WindowActivation& activation = quiet.activation;
    frmDispTimeTable tally(state, services);
    activation.show(&tally);
    frmPrint print(state, services);
    activation.show(&print);
    for (const auto& [window, name] :
         {std::pair<QWidget*, const char*>{&tally, "tally.png"}, {&print, "print.png"}}) {
        const QString path = out.filePath(QString::fromLatin1(name));
        if (!grab(*window, path)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
        std::printf("%s\n", qPrintable(path));
    }
    return 0;
}
