#include "scripteddialogs.h"

#include <gtest/gtest.h>

static const char* kindName(ScriptedDialogs::Kind kind)
{
    switch (kind) {
    case ScriptedDialogs::Kind::Message: return "message box";
    case ScriptedDialogs::Kind::OpenFile: return "open dialog";
    case ScriptedDialogs::Kind::SaveFile: return "save dialog";
    case ScriptedDialogs::Kind::Print: return "printer dialog";
    case ScriptedDialogs::Kind::PageSetup: return "page set-up dialog";
    case ScriptedDialogs::Kind::OpenFiles: return "open dialog for several files";
    case ScriptedDialogs::Kind::Folder: return "folder dialog";
    }
    return "dialog";
}

ScriptedDialogs::~ScriptedDialogs()
{
    for (const Queued& q : std::as_const(m_queue))
        ADD_FAILURE() << "queued answer for a " << kindName(q.kind) << " that was never shown";
}

void ScriptedDialogs::answerMessage(Answer answer)
{
    m_queue.append({Kind::Message, answer, {}, false, {}});
}
void ScriptedDialogs::answerOpenFile(const QString& path)
{
    m_queue.append({Kind::OpenFile, Answer::Ok, path, false, {}});
}
void ScriptedDialogs::answerSaveFile(const QString& path)
{
    m_queue.append({Kind::SaveFile, Answer::Ok, path, false, {}});
}
void ScriptedDialogs::answerOpenFiles(const QStringList& paths)
{
    m_queue.append({Kind::OpenFiles, Answer::Ok, {}, false, paths});
}
void ScriptedDialogs::answerFolder(const QString& path)
{
    m_queue.append({Kind::Folder, Answer::Ok, path, false});
}
void ScriptedDialogs::answerPrint(bool accepted, std::function<void(QPrinter&)> choose)
{
    m_queue.append({Kind::Print, Answer::Ok, {}, accepted, {}, std::move(choose)});
}

void ScriptedDialogs::answerPageSetup(bool accepted, std::function<void(QPrinter&)> choose)
{
    m_queue.append({Kind::PageSetup, Answer::Ok, {}, accepted, {}, std::move(choose)});
}

QStringList ScriptedDialogs::messages() const
{
    QStringList texts;
    for (const Call& c : m_calls)
        if (c.kind == Kind::Message)
            texts << c.text;
    return texts;
}

ScriptedDialogs::Queued ScriptedDialogs::take(Kind kind, const QString& what)
{
    if (m_queue.isEmpty() || m_queue.first().kind != kind) {
        ADD_FAILURE() << "unexpected " << kindName(kind) << ": " << what.toStdString();
        // An unexpected question is answered the cautious way.
        return {kind, Answer::No, {}, false, {}};
    }
    return m_queue.takeFirst();
}

Dialogs::Answer ScriptedDialogs::message(QWidget*, const QString& text, Buttons buttons, Icon icon,
                                         const QString& title)
{
    m_calls.append({Kind::Message, text, title, {}, buttons, icon});
    Queued q = take(Kind::Message, text);
    if (buttons == Buttons::Ok)
        return Answer::Ok;
    return q.answer;
}

QString ScriptedDialogs::openFileName(QWidget*, const QString& title, const QString& filter)
{
    m_calls.append({Kind::OpenFile, title, {}, filter});
    return take(Kind::OpenFile, title).path;
}

QString ScriptedDialogs::saveFileName(QWidget*, const QString& title, const QString& filter)
{
    m_calls.append({Kind::SaveFile, title, {}, filter});
    return take(Kind::SaveFile, title).path;
}

QStringList ScriptedDialogs::openFileNames(QWidget*, const QString& title, const QString& filter)
{
    m_calls.append({Kind::OpenFiles, title, {}, filter});
    return take(Kind::OpenFiles, title).paths;
}

QString ScriptedDialogs::folderName(QWidget*, const QString& title)
{
    m_calls.append({Kind::Folder, title, {}, {}});
    return take(Kind::Folder, title).path;
}

bool ScriptedDialogs::printDialog(QWidget*, QPrinter& printer)
{
    m_calls.append({Kind::Print, {}, {}, {}});
    const Queued answer = take(Kind::Print, QStringLiteral("print"));
    if (answer.choose)
        answer.choose(printer);
    return answer.accepted;
}

bool ScriptedDialogs::pageSetupDialog(QWidget*, QPrinter& printer, const QString& title)
{
    m_calls.append({Kind::PageSetup, title, {}, {}});
    const Queued answer = take(Kind::PageSetup, title);
    if (answer.choose)
        answer.choose(printer);
    return answer.accepted;
}
