#include "ui/main/plansession.h"

#include "core/appstate.h"
#include "core/mirteerror.h"
#include "core/plandefaults.h"
#include "planfile/planfile.h"
#include "platform/dialogs.h"
#include "ui/common/services.h"
#include "ui/common/usercommand.h"
#include "ui/main/planbackup.h"

namespace {
const QString kCloseQuestion = QStringLiteral("閉じる前にファイルを保存しますか。");
const QString kExitQuestion = QStringLiteral("終了前にファイルを保存しますか。");
} // namespace

PlanSession::PlanSession(AppState& state, Services& services, PlanLoader loader, QWidget* window)
    : m_state(state), m_services(services), m_loadPlan(std::move(loader)), m_window(window)
{
}

PlanSession::~PlanSession() = default;

void PlanSession::showPlanFileError(const PlanFileError& error, const QString& what)
{
    m_services.dialogs.message(m_window, planFileErrorText(error, what), Dialogs::Buttons::Ok,
                               Dialogs::Icon::Warning);
}

bool PlanSession::save()
{
    try {
        if (SavePlanFile(m_state) == SaveResult::NothingToSave) {
            m_services.dialogs.message(m_window, nothingToSaveMessage());
            return false;
        }
    } catch (const PlanFileError& error) {
        showPlanFileError(error, QStringLiteral("計画ファイルを保存できませんでした。"));
        return false;
    }
    return true;
}

bool PlanSession::saveAs()
{
    const QString path =
        m_services.dialogs.saveFileName(m_window, QStringLiteral("ファイル名を付けて保存"), kPlanFileFilter);
    if (path.isEmpty())
        return false;
    if (m_state.intYear == 0) {
        // Nothing would be written, so the chosen file is left alone, backup step included.
        m_services.dialogs.message(m_window, nothingToSaveMessage());
        return false;
    }
    // The file's old content survives as its backup; the new one replaces it only once written
    // whole, so a failed backup need not stop the save.
    copyToBackup(path);
    const QString previous = m_state.strFileName;
    m_state.strFileName = path;
    if (!save()) {
        m_state.strFileName = previous; // the plan still belongs where it was
        return false;
    }
    return true;
}

bool PlanSession::offerToSave(const QString& question)
{
    if (m_state.intYear == 0)
        return true;
    if (m_services.dialogs.message(m_window, question, Dialogs::Buttons::YesNo) != Dialogs::Answer::Yes)
        return true;
    return m_state.strFileName.isEmpty() ? saveAs() : save();
}

bool PlanSession::close()
{
    if (!offerToSave(kCloseQuestion))
        return false;
    m_state.strFileName.clear();
    SetDefaultWeekTables(m_state);
    SetDefaultYearPlans(m_state);
    return true;
}

bool PlanSession::open()
{
    if (!offerToSave(kCloseQuestion))
        return false;
    const QString path = m_services.dialogs.openFileName(m_window, QStringLiteral("開く"), kPlanFileFilter);
    if (path.isEmpty())
        return false;
    try {
        // The start page's reader: the plan is replaced only once the whole file was read.
        m_loadPlan(m_state, path);
    } catch (const PlanFileError& error) {
        showPlanFileError(error, QStringLiteral("計画ファイルを読み込めませんでした。"));
        return false;
    }
    return true;
}

bool PlanSession::exit()
{
    if (!offerToSave(kExitQuestion))
        return false;
    m_state.intYear = 0;
    return true;
}
