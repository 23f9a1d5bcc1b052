// ミルテ: plans and records the lesson hours of one class for one school year.
#include "program.h"
#include "testdriver.h"

#include "platform/accessiblenames.h"
#include "platform/dialogs.h"
#include "platform/japanese.h"
#include "ui/main/frmsplash.h"
#include "ui/main/mirteversion.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(kApplicationTitle);
    QApplication::setApplicationVersion(versionText());
    QApplication::setWindowIcon(QIcon(drawLogo(64)));
    installQtTranslations(app);
    installFontSubstitutions();
    installAccessibleNames();

    // Off unless a test's environment asks for it.
    const std::unique_ptr<TestDriver> driver = TestDriver::fromEnvironment();
    Program::Overrides overrides;
    if (driver)
        overrides.clock = driver->clock();
    Program program(std::move(overrides));
    // QApplication has taken its own options (-platform …) off the list by now.
    program.Main(planFileArgument(QApplication::arguments()));
    return QApplication::exec();
}
