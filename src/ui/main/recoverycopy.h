// The copy of an unsaved plan that lets the next start bring the work back after the program or the
// machine stopped. A copy is two files in the recovery folder: NAME.rv holds the plan as its plan
// file would (so the ordinary reader reads it back), NAME.json the plan's own file name and the time
// of its last change; NAME.lock marks the copy as its running program's own.
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QObject>
#include <QString>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

class QLockFile;
class QThread;

struct RecoveryInfo {
    QString planFileName; // empty for a plan that has no file yet
    QDateTime changed;
};

// A copy that a run left behind without ending normally, locked for this run while it decides.
struct LeftCopy {
    QString planPath; // NAME.rv
    QString infoPath; // NAME.json
    RecoveryInfo info;
    std::shared_ptr<QLockFile> lock;
};

// Every copy in the folder whose program no longer runs, newest first. Copies that a running
// program holds are left alone; an info file without its plan holds no work and is removed.
std::vector<LeftCopy> claimLeftCopies(const QString& folder);

// Moves a left copy (both files) to folder/kept under a name of the time of its last change and
// the plan's own file name; the path it now has, or its old one when it could not be moved.
QString setAside(const LeftCopy& copy, const QString& folder);

// The running program's copy. Writes and removals run on a thread of their own, so a slow disk
// never stops the window; when several are waiting only the newest is carried out.
class RecoveryCopy : public QObject {
    Q_OBJECT

public:
    // A new copy in the folder, locked as this run's own.
    static std::unique_ptr<RecoveryCopy> create(const QString& folder, const QDateTime& now);
    // Takes over a left copy, which stays on disk as it is.
    static std::unique_ptr<RecoveryCopy> adopt(LeftCopy copy);
    ~RecoveryCopy() override;

    QString planPath() const { return m_base + QStringLiteral(".rv"); }

    // Replaces the copy with these plan bytes, written whole or not at all.
    void write(const QByteArray& plan, const RecoveryInfo& info);
    void remove();
    // Returns once every write and removal asked for so far has been carried out.
    void waitForDisk();

Q_SIGNALS:
    // After each write or removal; error says why it failed.
    void done(bool ok, const QString& error);

private:
    RecoveryCopy(QString base, std::shared_ptr<QLockFile> lock);

    struct Job {
        bool remove = false;
        QByteArray plan;
        QByteArray info;
    };
    void schedule(Job job);
    void runNext();

    QString m_base; // folder/NAME
    std::shared_ptr<QLockFile> m_lock;
    QThread* m_thread = nullptr;
    QObject* m_onDisk = nullptr; // lives on m_thread: the queued jobs run there
    std::mutex m_mutex;
    std::optional<Job> m_next;
    bool m_posted = false;
};
