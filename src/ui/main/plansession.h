// The open plan's life with its file: save, save as with its backup, the save questions of close,
// new and exit, opening another plan, and the recovery copy that brings unsaved work back after the
// program or the machine stopped. The main window's menu items call it and then show the result;
// tests drive it without the window.
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>

struct AppState;
struct Services;
class PlanFileError;
class QTimer;
class QWidget;
class RecoveryCopy;
struct LeftCopy;

class PlanSession : public QObject {
    Q_OBJECT

public:
    // Reads a plan file into the state, which takes its name only once it was read; a bad file
    // changes nothing and throws PlanFileError.
    using PlanLoader = std::function<void(AppState&, const QString&)>;

    // window is the parent of the session's dialogs (none in tests without a window).
    PlanSession(AppState& state, Services& services, PlanLoader loader, QWidget* window = nullptr);
    ~PlanSession() override;
    PlanSession(const PlanSession&) = delete;
    PlanSession& operator=(const PlanSession&) = delete;

    // 上書き保存 and 名前を付けて保存: each true only when the plan was written.
    bool save();
    bool saveAs();
    // Asks whether to save the open plan (if any) and saves it on Yes; true when the plan may go.
    bool offerToSave(const QString& question);
    // 閉じる: the save question, then the empty plan of the same school year. True when it was
    // closed; the caller then shows the week of 1 April.
    bool close();
    // 開く: the save question, the file dialog and the reader. True when another plan was read.
    bool open();
    // The first step of 終了: the save question, then no plan, so the close that follows asks no
    // second time. False when the program must stay open.
    bool exit();
    // The open plan was replaced from elsewhere (the start page, the file the desktop handed over):
    // it is as its file holds it, and the copy of the plan before it goes.
    void planReplaced();

    // Start-up, before the start page: offers each copy a stopped run left in the folder, newest
    // first, and from then on keeps a copy of the open plan there whenever it differs from its
    // file. True when the teacher took a copy back: it is then the open plan, under its own file
    // name, with nothing written to that file.
    bool startRecovery(const QString& folder);
    // The recovery folder of the teacher's account.
    static QString defaultRecoveryFolder();

    // What the copy's timer does twice a second: compare the plan with its file and its copy, and
    // hand a changed plan to the disk. Public for tests and benchmarks, as is waiting for the disk.
    void keepChanges();
    void waitForDisk();
    // The copy of the open plan; empty while there is none or recovery was not started.
    QString recoveryFile() const;

private:
    void showPlanFileError(const PlanFileError& error, const QString& what);
    // The plan as it now is counts as its file's content; its copy goes.
    void markUnchanged();
    void discardCopy();
    // Offers one left copy; true when the teacher took it back.
    bool offer(LeftCopy& copy);
    void copyWritten(bool ok, const QString& error);
    void copyFailed(const QString& why);

    AppState& m_state;
    Services& m_services;
    PlanLoader m_loadPlan;
    QWidget* m_window;

    QString m_folder;
    std::unique_ptr<RecoveryCopy> m_copy;
    QTimer* m_timer = nullptr;
    QByteArray m_unchanged; // the plan as its file holds it (empty: not known)
    QByteArray m_copied;    // the plan as its copy holds it (empty: no copy, or a copy to write again)
    bool m_hasCopy = false;
    bool m_failing = false; // the teacher was told that the copy cannot be written
};
