#include "ui/common/usercommand.h"

#include "core/mirteerror.h"
#include "platform/dialogs.h"

#include <new>

void runUserCommand(Dialogs& dialogs, QWidget* window, const std::function<void()>& command)
{
    try {
        command();
    } catch (const MirteError& error) {
        dialogs.message(window, error.description(), Dialogs::Buttons::Ok, Dialogs::Icon::Warning);
    } catch (const std::bad_alloc&) {
        dialogs.message(window, QStringLiteral("メモリーが足りないため、この操作を続けられませんでした。"),
                        Dialogs::Buttons::Ok, Dialogs::Icon::Critical);
    } catch (const std::exception&) {
        // The library's own text is English and says nothing a teacher can act on.
        dialogs.message(window,
                        QStringLiteral("予期しないエラーが発生しました。この操作を続けられませんでした。"),
                        Dialogs::Buttons::Ok, Dialogs::Icon::Critical);
    }
}

QString planFileErrorText(const PlanFileError& error, const QString& whatFailed)
{
    const QString where = error.line() > 0
                              ? QStringLiteral("%1 行目: %2").arg(error.line()).arg(error.message())
                              : error.message();
    return QStringLiteral("%1\n%2\n%3").arg(whatFailed, error.file(), where);
}
