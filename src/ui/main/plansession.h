// The open plan's life with its file: save, save as with its backup, the save questions of close,
// new and exit, and opening another plan. The main window's menu items call it and then show the
// result; tests drive it without the window.
#pragma once

#include <QObject>
#include <QString>
#include <functional>

struct AppState;
struct Services;
class PlanFileError;
class QWidget;

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

private:
    void showPlanFileError(const PlanFileError& error, const QString& what);

    AppState& m_state;
    Services& m_services;
    PlanLoader m_loadPlan;
    QWidget* m_window;
};
