#include "planfile/planfile.h"

#include "core/mirteerror.h"
#include "planfile/planreader.h"
#include "planfile/planwriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>

using namespace Qt::StringLiterals;

namespace {

// Far above any plan (3001 lines of a few dozen characters); keeps a wrong file from being read
// into memory whole.
constexpr qint64 kMaxPlanFileBytes = 16 * 1024 * 1024;

// Why a file operation failed, in the teacher's words: Qt's own error texts are English. `error` is
// the errno the failed call left, 0 when it left none.
QString reasonOf(int error)
{
    switch (error) {
    case ENOSPC:
    case EDQUOT:
    case EFBIG: return u"ディスクの空きが足りません"_s;
    case EACCES:
    case EPERM: return u"権限がありません"_s;
    case EROFS: return u"読み取り専用の場所です"_s;
    case ENOENT:
    case ENOTDIR: return u"フォルダーかファイルが見つかりません"_s;
    case EISDIR: return u"同じ名前のフォルダーがあります"_s;
    case ENAMETOOLONG: return u"ファイル名が長すぎます"_s;
    case EIO: return u"ディスクの読み書きに失敗しました"_s;
    case EBUSY:
    case ETXTBSY: return u"ファイルが使用中です"_s;
    default:
        return error == 0 ? u"原因はわかりません"_s : u"原因はわかりません（エラー番号 %1）"_s.arg(error);
    }
}

// What keeps a plan from being saved at `path` before anything is written, when it can be seen.
QString obstacleTo(const QString& path)
{
    const QFileInfo file(path);
    if (file.isDir())
        return u"同じ名前のフォルダーがあります"_s;
    if (!file.dir().exists())
        return u"保存先のフォルダーがありません"_s;
    if (file.exists() && !file.isFile())
        return u"通常のファイルではありません"_s;
    return {};
}

QByteArray readPlanBytes(const QString& path)
{
    // A named pipe or a device would block or never end; a plan file is always a regular file.
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        throw PlanFileError(path, 0,
                            info.isDir() ? u"フォルダーです。計画ファイルではありません。"_s
                                         : u"通常のファイルではありません。計画ファイルではありません。"_s);
    QFile file(path);
    errno = 0;
    if (!file.open(QIODevice::ReadOnly))
        throw PlanFileError(path, 0, u"ファイルを開けません（%1）。"_s.arg(reasonOf(errno)));
    errno = 0;
    const QByteArray bytes = file.read(kMaxPlanFileBytes + 1);
    if (file.error() != QFileDevice::NoError)
        throw PlanFileError(path, 0, u"ファイルを読めません（%1）。"_s.arg(reasonOf(errno)));
    if (bytes.size() > kMaxPlanFileBytes)
        throw PlanFileError(path, 0, u"ファイルが大きすぎます。計画ファイルではありません。"_s);
    return bytes;
}

} // namespace

QString nothingToSaveMessage()
{
    return u"まだ保存するデータがありません。"_s;
}

void LoadPlanFile(AppState& state)
{
    const QString path = state.strFileName; // a copy: reading replaces the state it came from
    LoadPlanFile(state, path);
}

void LoadPlanFile(AppState& state, const QString& path)
{
    AppState plan = readPlan(readPlanBytes(path), path);
    replacePlan(state, std::move(plan));
    state.strFileName = path;
}

SaveResult SavePlanFile(const AppState& state)
{
    if (state.strFileName.isEmpty() || state.intYear == 0)
        return SaveResult::NothingToSave;

    // Everything is checked and encoded before the file is touched.
    const QByteArray bytes = serializePlan(state);

    // Unbuffered, so that a full disk fails the write itself: Qt 6.4's commit() can report success
    // after its own flush failed, which would leave an empty plan file behind.
    const QString& path = state.strFileName;
    if (const QString obstacle = obstacleTo(path); !obstacle.isEmpty())
        throw PlanFileError(path, 0, u"ファイルに書き込めません（%1）。"_s.arg(obstacle));
    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throw PlanFileError(path, 0, u"ファイルに書き込めません（%1）。"_s.arg(reasonOf(errno)));
    errno = 0;
    const qint64 written = file.write(bytes);
    const int writeError = errno;
    if (written != bytes.size() || !file.flush()) {
        file.cancelWriting();
        // Fewer bytes than asked for is what a full disk (or a quota) gives.
        const QString reason =
            written >= 0 && written < bytes.size() ? reasonOf(ENOSPC) : reasonOf(writeError);
        throw PlanFileError(
            path, 0, u"ファイルに書き込めません（%1）。前のファイルはそのまま残っています。"_s.arg(reason));
    }
    errno = 0;
    if (!file.commit())
        throw PlanFileError(
            path, 0,
            u"ファイルを保存できません（%1）。前のファイルはそのまま残っています。"_s.arg(reasonOf(errno)));
    return SaveResult::Saved;
}
