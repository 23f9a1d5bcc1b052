#include "ui/main/plansession.h"

#include "core/appstate.h"
#include "core/mirteerror.h"
#include "core/plandefaults.h"
#include "planfile/planfile.h"
#include "planfile/planreader.h"
#include "planfile/planwriter.h"
#include "platform/dialogs.h"
#include "ui/common/services.h"
#include "ui/common/usercommand.h"
#include "ui/main/planbackup.h"
#include "ui/main/recoverycopy.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTimer>

namespace {
const QString kCloseQuestion = QStringLiteral("閉じる前にファイルを保存しますか。");
const QString kExitQuestion = QStringLiteral("終了前にファイルを保存しますか。");
// Often enough that a change reaches the disk within a second, seldom enough to cost nothing.
constexpr int kCopyCheckInterval = 500; // ms
} // namespace

PlanSession::PlanSession(AppState& state, Services& services, PlanLoader loader, QWidget* window)
    : m_state(state), m_services(services), m_loadPlan(std::move(loader)), m_window(window)
{
}

PlanSession::~PlanSession() = default;

QString PlanSession::defaultRecoveryFolder()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
        .filePath(QStringLiteral("recovery"));
}

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
    markUnchanged();
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
    // The teacher chose not to keep the changes, or they were saved.
    markUnchanged();
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
    markUnchanged();
    return true;
}

bool PlanSession::exit()
{
    if (!offerToSave(kExitQuestion))
        return false;
    m_state.intYear = 0;
    discardCopy(); // saved, or not to be kept: a run that ends so leaves no copy behind
    return true;
}

void PlanSession::planReplaced()
{
    markUnchanged();
}

// ---------------------------------------------------------------------------------------------
// The recovery copy

bool PlanSession::startRecovery(const QString& folder)
{
    m_folder = folder;
    bool recovered = false;
    {
        std::vector<LeftCopy> left = claimLeftCopies(folder);
        // Only one plan can be open: after one was taken back, the others wait for the next start
        // (their locks go with the list).
        for (LeftCopy& copy : left)
            if (!recovered)
                recovered = offer(copy);
    }
    if (!m_copy)
        m_copy = RecoveryCopy::create(folder, m_services.clock.now());
    connect(m_copy.get(), &RecoveryCopy::done, this, &PlanSession::copyWritten);
    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("recoveryTimer"));
    connect(m_timer, &QTimer::timeout, this, &PlanSession::keepChanges);
    m_timer->start(kCopyCheckInterval);
    return recovered;
}

bool PlanSession::offer(LeftCopy& copy)
{
    QByteArray bytes;
    AppState plan;
    try {
        QFile file(copy.planPath);
        if (!file.open(QIODevice::ReadOnly))
            throw PlanFileError(copy.planPath, 0, file.errorString());
        bytes = file.readAll();
        plan = readPlan(bytes, QDir::toNativeSeparators(copy.planPath));
    } catch (const PlanFileError& error) {
        // Never deleted unread: it goes aside like a copy the teacher declined.
        const QString kept = setAside(copy, m_folder);
        m_services.dialogs.message(
            m_window,
            planFileErrorText(error, QStringLiteral("前回の作業内容を復元できませんでした。")) +
                QStringLiteral("\n\n控えは次の場所に残しました。\n") + QDir::toNativeSeparators(kept),
            Dialogs::Buttons::Ok, Dialogs::Icon::Warning);
        return false;
    }

    const QString name = copy.info.planFileName.isEmpty() ? QStringLiteral("新しい計画")
                                                          : QDir::toNativeSeparators(copy.info.planFileName);
    const QString question =
        QStringLiteral("前回の作業内容が保存されていません。復元しますか。\n\n%1\n最後の変更: %2")
            .arg(name, copy.info.changed.toString(QStringLiteral("yyyy/MM/dd H:mm")));
    if (m_services.dialogs.message(m_window, question, Dialogs::Buttons::YesNo, Dialogs::Icon::Question) !=
        Dialogs::Answer::Yes) {
        setAside(copy, m_folder); // a wrong answer loses nothing
        return false;
    }

    replacePlan(m_state, std::move(plan));
    // It belongs where it came from, so 上書き保存 writes it there; until then it is written nowhere.
    m_state.strFileName = copy.info.planFileName;
    m_state.boolStartWizard = false;
    // The copy stays this run's own until the plan is saved or let go.
    m_unchanged.clear();
    m_copied = bytes;
    m_hasCopy = true;
    m_copy = RecoveryCopy::adopt(std::move(copy));
    return true;
}

void PlanSession::keepChanges()
{
    if (!m_copy || m_state.intYear == 0)
        return;
    QByteArray bytes;
    try {
        bytes = serializePlan(m_state);
    } catch (const PlanFileError& error) {
        copyFailed(error.message());
        return;
    }
    if (bytes == (m_hasCopy ? m_copied : m_unchanged))
        return;
    if (bytes == m_unchanged) { // changed back to what the file holds
        discardCopy();
        return;
    }
    m_copied = bytes;
    m_hasCopy = true;
    m_copy->write(bytes, RecoveryInfo{m_state.strFileName, m_services.clock.now()});
}

void PlanSession::waitForDisk()
{
    if (m_copy)
        m_copy->waitForDisk();
}

QString PlanSession::recoveryFile() const
{
    return m_copy && m_hasCopy ? m_copy->planPath() : QString();
}

void PlanSession::markUnchanged()
{
    if (!m_copy)
        return;
    try {
        m_unchanged = serializePlan(m_state);
    } catch (const PlanFileError&) {
        m_unchanged.clear();
    }
    discardCopy();
}

void PlanSession::discardCopy()
{
    if (m_copy && m_hasCopy)
        m_copy->remove();
    m_hasCopy = false;
    m_copied.clear();
}

void PlanSession::copyWritten(bool ok, const QString& error)
{
    if (ok) {
        m_failing = false;
        return;
    }
    if (!m_hasCopy)
        return;       // a removal that failed: at worst the next start asks about work that was kept
    m_copied.clear(); // written again at the next check
    copyFailed(error);
}

void PlanSession::copyFailed(const QString& why)
{
    // Told once, not at every change, until a copy could be written again.
    if (m_failing)
        return;
    m_failing = true;
    m_services.dialogs.message(m_window,
                               QStringLiteral("作業内容の控えを書き込めません。このままでは、停電などで"
                                              "終了したときに、保存していない作業が失われます。"
                                              "早めに保存してください。\n%1")
                                   .arg(why),
                               Dialogs::Buttons::Ok, Dialogs::Icon::Warning);
}
