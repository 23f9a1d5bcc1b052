#include "program.h"

#include "core/mirteerror.h"
#include "core/plandefaults.h"
#include "planfile/planfile.h"
#include "platform/printerpainting.h"
#include "ui/main/frmmain.h"
#include "ui/main/frmsplash.h"
#include "ui/main/plansession.h"
#include "ui/wizard/wizard.h"

#include <QApplication>
#include <QFileInfo>

QString planFileArgument(const QStringList& arguments)
{
    if (arguments.size() != 2)
        return {};
    const QFileInfo file(arguments.at(1));
    return file.isFile() ? file.absoluteFilePath() : QString();
}

Program::Program(Overrides overrides)
    : m_services{overrides.dialogs ? *overrides.dialogs : m_qtDialogs,
                 overrides.clock ? *overrides.clock : m_systemClock,
                 overrides.placement ? *overrides.placement : m_settings,
                 m_printer,
                 overrides.openPrinter ? std::move(overrides.openPrinter)
                                       : OpenPrinter([](QPrinter& printer) -> std::unique_ptr<Printer> {
                                             return paintOnPrinter(printer);
                                         }),
                 m_activation},
      m_recoveryFolder(overrides.recoveryFolder.isEmpty() ? PlanSession::defaultRecoveryFolder()
                                                          : overrides.recoveryFolder),
      m_wizard(std::make_unique<Wizard>(m_state, m_services))
{
}

Program::Program() : Program(Overrides{}) {}

Program::~Program() = default;

void Program::Main(const QString& planFile)
{
    frmSplash splash;
    splash.show();
    // Paint it now: nothing else runs the event loop until the main window is up.
    splash.repaint();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);

    InitPlanDefaults(m_state);

    m_main = std::make_unique<frmMain>(m_state, m_services, *m_wizard);
    m_main->Form_Load();

    splash.close();

    PlanSession& session = m_main->session();
    const bool recovered = session.startRecovery(m_recoveryFolder);
    if (!recovered && !planFile.isEmpty()) {
        try {
            LoadPlanFile(m_state, planFile);
            session.planReplaced();
            m_state.boolStartWizard = false; // the plan is there: no start page
        } catch (const PlanFileError& error) {
            const QString where = error.line() > 0
                                      ? QStringLiteral("%1 行目: %2").arg(error.line()).arg(error.message())
                                      : error.message();
            m_services.dialogs.message(
                m_main.get(),
                QStringLiteral("計画ファイルを読み込めませんでした。\n%1\n%2").arg(error.file(), where),
                Dialogs::Buttons::Ok, Dialogs::Icon::Warning);
        }
    }
    m_activation.show(m_main.get());
}
