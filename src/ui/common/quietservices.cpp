#include "ui/common/quietservices.h"

#include "platform/recordingprinter.h"

#include <cstdio>

Dialogs::Answer QuietDialogs::message(QWidget*, const QString& text, Buttons buttons, Icon, const QString&)
{
    if (echoMessages)
        std::fprintf(stderr, "message: %s\n", qPrintable(text));
    return buttons == Buttons::Ok ? Answer::Ok : Answer::No;
}

QString QuietDialogs::openFileName(QWidget*, const QString&, const QString&)
{
    return {};
}
QString QuietDialogs::saveFileName(QWidget*, const QString&, const QString&)
{
    return {};
}
QStringList QuietDialogs::openFileNames(QWidget*, const QString&, const QString&)
{
    return {};
}
QString QuietDialogs::folderName(QWidget*, const QString&)
{
    return {};
}
bool QuietDialogs::printDialog(QWidget*, QPrinter&)
{
    return false;
}
bool QuietDialogs::pageSetupDialog(QWidget*, QPrinter&, const QString&)
{
    return false;
}

QuietServices::QuietServices(const QDateTime& now, Dialogs* dialogs)
    : clock(now), services{dialogs ? *dialogs : quietDialogs,
                           clock,
                           placement,
                           printer,
                           [](QPrinter&) -> std::unique_ptr<Printer> {
                               return std::make_unique<RecordingPrinter>();
                           },
                           activation}
{
}

QuietServices::QuietServices(const QDate& today, Dialogs* dialogs)
    : QuietServices(today.startOfDay().addSecs(9 * 3600), dialogs)
{
}
