// Dialogs for tests: hands back queued answers in order and fails the test on a dialog nobody
// expected (or of another kind than the next queued one). Every call is recorded.
#pragma once

#include "platform/dialogs.h"

#include <QList>
#include <QString>
#include <functional>

class ScriptedDialogs final : public Dialogs {
public:
    enum class Kind { Message, OpenFile, SaveFile, Print, PageSetup, OpenFiles, Folder };

    struct Call {
        Kind kind;
        QString text;  // message text, or the file dialog's / page set-up's title
        QString title; // message title
        QString filter;
        Buttons buttons = Buttons::Ok;
        Icon icon = Icon::None;
    };

    ~ScriptedDialogs() override; // fails the test when queued answers were never asked for

    // Queue the answer of the next dialog.
    void answerMessage(Answer answer);
    void answerOpenFile(const QString& path);       // empty = cancelled
    void answerSaveFile(const QString& path);       // empty = cancelled
    void answerOpenFiles(const QStringList& paths); // empty = cancelled
    void answerFolder(const QString& path);         // empty = cancelled
    // `choose` stands for what the teacher changes in the dialog (paper, margins) before closing it.
    void answerPrint(bool accepted, std::function<void(QPrinter&)> choose = {});
    void answerPageSetup(bool accepted, std::function<void(QPrinter&)> choose = {});

    const QList<Call>& calls() const { return m_calls; }
    // Message texts in order, for quick checks.
    QStringList messages() const;
    bool allAnswered() const { return m_queue.isEmpty(); }

    Answer message(QWidget* parent, const QString& text, Buttons buttons, Icon icon,
                   const QString& title) override;
    QString openFileName(QWidget* parent, const QString& title, const QString& filter) override;
    QString saveFileName(QWidget* parent, const QString& title, const QString& filter) override;
    QStringList openFileNames(QWidget* parent, const QString& title, const QString& filter) override;
    QString folderName(QWidget* parent, const QString& title) override;
    bool printDialog(QWidget* parent, QPrinter& printer) override;
    bool pageSetupDialog(QWidget* parent, QPrinter& printer, const QString& title) override;

private:
    struct Queued {
        Kind kind;
        Answer answer = Answer::Ok;
        QString path;
        bool accepted = false;
        QStringList paths;
        std::function<void(QPrinter&)> choose;
    };
    Queued take(Kind kind, const QString& what);

    QList<Queued> m_queue;
    QList<Call> m_calls;
};
