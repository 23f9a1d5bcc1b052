#include "planfile/planfile.h"

#include "core/mirteerror.h"
#include "planfile/planreader.h"
#include "planfile/planwriter.h"

#include <QFile>
#include <QSaveFile>

using namespace Qt::StringLiterals;

namespace {

// Far above any plan (3001 lines of a few dozen characters); keeps a wrong file from being read
// into memory whole.
constexpr qint64 kMaxPlanFileBytes = 16 * 1024 * 1024;

QByteArray readPlanBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw PlanFileError(path, 0, u"ファイルを開けません（%1）。"_s.arg(file.errorString()));
    const QByteArray bytes = file.read(kMaxPlanFileBytes + 1);
    if (file.error() != QFileDevice::NoError)
        throw PlanFileError(path, 0, u"ファイルを読めません（%1）。"_s.arg(file.errorString()));
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
    QSaveFile file(state.strFileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throw PlanFileError(state.strFileName, 0,
                            u"ファイルに書き込めません（%1）。"_s.arg(file.errorString()));
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        throw PlanFileError(state.strFileName, 0, u"ファイルに書き込めません（%1）。"_s.arg(reason));
    }
    if (!file.commit())
        throw PlanFileError(state.strFileName, 0,
                            u"ファイルを保存できません（%1）。"_s.arg(file.errorString()));
    return SaveResult::Saved;
}
