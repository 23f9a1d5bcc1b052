#include "platform/qtdialogs.h"

#include "platform/filefilter.h"
#include "platform/pagesetupdialog.h"

#include <QAbstractButton>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QStandardPaths>

namespace {
QMessageBox::Icon toQtIcon(Dialogs::Icon icon)
{
    switch (icon) {
    case Dialogs::Icon::None: return QMessageBox::NoIcon;
    case Dialogs::Icon::Information: return QMessageBox::Information;
    case Dialogs::Icon::Question: return QMessageBox::Question;
    case Dialogs::Icon::Warning: return QMessageBox::Warning;
    case Dialogs::Icon::Critical: return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}
} // namespace

std::unique_ptr<QMessageBox> QtDialogs::makeMessageBox(QWidget* parent, const QString& text, Buttons buttons,
                                                       Icon icon, const QString& title)
{
    auto box = std::make_unique<QMessageBox>(toQtIcon(icon), title, text, QMessageBox::NoButton, parent);
    box->setTextFormat(Qt::PlainText);
    if (buttons == Buttons::Ok) {
        QPushButton* ok = box->addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        ok->setObjectName(QStringLiteral("OKButton"));
        box->setDefaultButton(ok);
        box->setEscapeButton(ok);
        return box;
    }
    QPushButton* yes = box->addButton(QStringLiteral("はい(&Y)"), QMessageBox::YesRole);
    yes->setObjectName(QStringLiteral("YesButton"));
    QPushButton* no = box->addButton(QStringLiteral("いいえ(&N)"), QMessageBox::NoRole);
    no->setObjectName(QStringLiteral("NoButton"));
    box->setDefaultButton(yes);
    // Escape or the close box is the cautious answer.
    box->setEscapeButton(no);
    return box;
}

Dialogs::Answer QtDialogs::message(QWidget* parent, const QString& text, Buttons buttons, Icon icon,
                                   const QString& title)
{
    const std::unique_ptr<QMessageBox> box = makeMessageBox(parent, text, buttons, icon, title);
    box->exec();
    if (buttons == Buttons::Ok)
        return Answer::Ok;
    return box->clickedButton() == box->findChild<QAbstractButton*>(QStringLiteral("YesButton")) ? Answer::Yes
                                                                                                 : Answer::No;
}

QString QtDialogs::openFileName(QWidget* parent, const QString& title, const QString& filter)
{
    return QFileDialog::getOpenFileName(parent, title, QString(), toQtFileFilter(filter));
}

QString QtDialogs::saveFileName(QWidget* parent, const QString& title, const QString& filter)
{
    // The name is returned as typed: the caller decides about extensions.
    QFileDialog dialog(parent, title, QString(), toQtFileFilter(filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QString());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

QStringList QtDialogs::openFileNames(QWidget* parent, const QString& title, const QString& filter)
{
    return QFileDialog::getOpenFileNames(parent, title, QString(), toQtFileFilter(filter));
}

QString QtDialogs::folderName(QWidget* parent, const QString& title)
{
    return QFileDialog::getExistingDirectory(parent, title);
}

bool QtDialogs::printDialog(QWidget* parent, QPrinter& printer)
{
    // Printing to a file needs a name; offer one rather than the bare folder Qt would show.
    if (printer.outputFormat() == QPrinter::PdfFormat && printer.outputFileName().isEmpty())
        printer.setOutputFileName(QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
                                      .filePath(QStringLiteral("ミルテ.pdf")));
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

bool QtDialogs::pageSetupDialog(QWidget* parent, QPrinter& printer, const QString& title)
{
    if (printer.outputFormat() == QPrinter::NativeFormat) {
        QPageSetupDialog dialog(&printer, parent);
        dialog.setWindowTitle(title);
        return dialog.exec() == QDialog::Accepted;
    }
    PageSetupDialog dialog(printer, title, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    return dialog.applyTo(printer);
}
