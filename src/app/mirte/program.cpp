#include "program.h"

#include "core/plandefaults.h"
#include "platform/painterprinter.h"
#include "ui/main/frmmain.h"
#include "ui/main/frmsplash.h"
#include "ui/wizard/wizard.h"

#include <QApplication>

Program::Program()
    : m_services{m_dialogs,
                 m_clock,
                 m_placement,
                 m_printer,
                 [](QPrinter& printer) { return std::make_unique<PainterPrinter>(printer); },
                 m_activation},
      m_wizard(std::make_unique<Wizard>(m_state, m_services))
{
}

Program::~Program() = default;

void Program::Main()
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
    m_activation.show(m_main.get());
}
