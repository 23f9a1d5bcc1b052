#include "ui/main/recoverycopy.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QSaveFile>
#include <QThread>

namespace {
const QString kPlanSuffix = QStringLiteral(".rv");
const QString kInfoSuffix = QStringLiteral(".json");
const QString kLockSuffix = QStringLiteral(".lock");
const QString kKeptFolder = QStringLiteral("kept");

// A lock that only a running program keeps: one left by a program that stopped is taken over at
// once, whatever its age.
std::shared_ptr<QLockFile> tryLock(const QString& base)
{
    auto lock = std::make_shared<QLockFile>(base + kLockSuffix);
    lock->setStaleLockTime(0);
    return lock->tryLock(0) ? lock : nullptr;
}

QByteArray infoBytes(const RecoveryInfo& info)
{
    QJsonObject object;
    object.insert(QStringLiteral("file"), info.planFileName);
    object.insert(QStringLiteral("changed"), info.changed.toString(Qt::ISODate));
    return QJsonDocument(object).toJson();
}

RecoveryInfo readInfo(const QString& infoPath, const QString& planPath)
{
    RecoveryInfo info;
    QFile file(infoPath);
    if (file.open(QIODevice::ReadOnly)) {
        const QJsonObject object = QJsonDocument::fromJson(file.readAll()).object();
        info.planFileName = object.value(QStringLiteral("file")).toString();
        info.changed = QDateTime::fromString(object.value(QStringLiteral("changed")).toString(), Qt::ISODate);
    }
    // Without its info a copy is still offered: as a plan without a file, changed when last written.
    if (!info.changed.isValid())
        info.changed = QFileInfo(planPath).lastModified();
    return info;
}

bool writeWhole(const QString& path, const QByteArray& bytes, QString* error)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return true;
    *error = QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), file.errorString());
    return false;
}

QString freeName(const QString& folder, const QString& stem)
{
    QString name = stem;
    for (int n = 2; QFileInfo::exists(QDir(folder).filePath(name + kPlanSuffix)) ||
                    QFileInfo::exists(QDir(folder).filePath(name + kInfoSuffix));
         ++n)
        name = QStringLiteral("%1 (%2)").arg(stem).arg(n);
    return QDir(folder).filePath(name);
}
} // namespace

std::vector<LeftCopy> claimLeftCopies(const QString& folder)
{
    const QDir dir(folder);
    std::vector<LeftCopy> left;
    const QStringList names = dir.entryList(
        {QStringLiteral("*") + kPlanSuffix, QStringLiteral("*") + kInfoSuffix}, QDir::Files, QDir::Name);
    QStringList bases;
    for (const QString& name : names) {
        const QString base = dir.filePath(QFileInfo(name).completeBaseName());
        if (!bases.contains(base))
            bases << base;
    }
    for (const QString& base : bases) {
        std::shared_ptr<QLockFile> lock = tryLock(base);
        if (!lock)
            continue; // its program is running
        if (!QFileInfo::exists(base + kPlanSuffix)) {
            QFile::remove(base + kInfoSuffix);
            continue;
        }
        LeftCopy copy{base + kPlanSuffix, base + kInfoSuffix, {}, std::move(lock)};
        copy.info = readInfo(copy.infoPath, copy.planPath);
        left.push_back(std::move(copy));
    }
    std::sort(left.begin(), left.end(),
              [](const LeftCopy& a, const LeftCopy& b) { return a.info.changed > b.info.changed; });
    return left;
}

QString setAside(const LeftCopy& copy, const QString& folder)
{
    const QString kept = QDir(folder).filePath(kKeptFolder);
    if (!QDir().mkpath(kept))
        return copy.planPath;
    const QString plan = copy.info.planFileName.isEmpty()
                             ? QStringLiteral("新しい計画")
                             : QFileInfo(copy.info.planFileName).completeBaseName();
    const QString base = freeName(
        kept,
        QStringLiteral("%1 %2").arg(copy.info.changed.toString(QStringLiteral("yyyy-MM-dd HHmm")), plan));
    if (!QFile::rename(copy.planPath, base + kPlanSuffix))
        return copy.planPath;
    QFile::rename(copy.infoPath, base + kInfoSuffix);
    return base + kPlanSuffix;
}

std::unique_ptr<RecoveryCopy> RecoveryCopy::create(const QString& folder, const QDateTime& now)
{
    QDir().mkpath(folder);
    const QString stem = QStringLiteral("%1-%2")
                             .arg(now.toString(QStringLiteral("yyyyMMdd-HHmmss")))
                             .arg(QCoreApplication::applicationPid());
    for (int n = 1;; ++n) {
        const QString base = QDir(folder).filePath(n == 1 ? stem : QStringLiteral("%1-%2").arg(stem).arg(n));
        if (QFileInfo::exists(base + kPlanSuffix) || QFileInfo::exists(base + kInfoSuffix))
            continue;
        // Without a lock (a folder that cannot be written) the writes report their own failure.
        std::shared_ptr<QLockFile> lock = tryLock(base);
        if (lock || n > 100)
            return std::unique_ptr<RecoveryCopy>(new RecoveryCopy(base, std::move(lock)));
    }
}

std::unique_ptr<RecoveryCopy> RecoveryCopy::adopt(LeftCopy copy)
{
    QString base = copy.planPath;
    base.chop(kPlanSuffix.size());
    return std::unique_ptr<RecoveryCopy>(new RecoveryCopy(base, std::move(copy.lock)));
}

RecoveryCopy::RecoveryCopy(QString base, std::shared_ptr<QLockFile> lock)
    : m_base(std::move(base)), m_lock(std::move(lock)), m_thread(new QThread), m_onDisk(new QObject)
{
    m_thread->setObjectName(QStringLiteral("recovery copy"));
    m_onDisk->moveToThread(m_thread);
    connect(m_thread, &QThread::finished, m_onDisk, &QObject::deleteLater);
    m_thread->start();
}

RecoveryCopy::~RecoveryCopy()
{
    waitForDisk();
    m_thread->quit();
    m_thread->wait();
    delete m_thread;
}

void RecoveryCopy::write(const QByteArray& plan, const RecoveryInfo& info)
{
    schedule(Job{false, plan, infoBytes(info)});
}

void RecoveryCopy::remove()
{
    schedule(Job{true, {}, {}});
}

void RecoveryCopy::waitForDisk()
{
    // Jobs run in the order they were posted: once this empty one has run, so have they.
    QMetaObject::invokeMethod(
        m_onDisk, [] {}, Qt::BlockingQueuedConnection);
}

void RecoveryCopy::schedule(Job job)
{
    const std::lock_guard<std::mutex> guard(m_mutex);
    m_next = std::move(job);
    if (!m_posted) {
        m_posted = true;
        QMetaObject::invokeMethod(
            m_onDisk, [this] { runNext(); }, Qt::QueuedConnection);
    }
}

void RecoveryCopy::runNext()
{
    Job job;
    {
        const std::lock_guard<std::mutex> guard(m_mutex);
        job = std::move(*m_next);
        m_next.reset();
        m_posted = false;
    }
    QString error;
    bool ok = true;
    if (job.remove) {
        // The plan first: an info file left alone holds no work and is cleared at the next start.
        for (const QString& path : {m_base + kPlanSuffix, m_base + kInfoSuffix}) {
            QFile file(path);
            if (file.exists() && !file.remove()) {
                ok = false;
                error = QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), file.errorString());
            }
        }
    } else {
        // The info first, so a plan never lies there without the file name it belongs to.
        const QString folder = QFileInfo(m_base).absolutePath();
        if (!QDir().mkpath(folder)) {
            ok = false;
            error = QStringLiteral("%1: フォルダを作れません。").arg(QDir::toNativeSeparators(folder));
        } else {
            ok = writeWhole(m_base + kInfoSuffix, job.info, &error) &&
                 writeWhole(m_base + kPlanSuffix, job.plan, &error);
        }
    }
    QMetaObject::invokeMethod(
        this, [this, ok, error] { Q_EMIT done(ok, error); }, Qt::QueuedConnection);
}
