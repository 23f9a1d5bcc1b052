#include "reports/csvsave.h"

#include "core/mirteerror.h"
#include "ui/common/services.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

QString saveCsvFile(Services& services, QWidget* parent, const QString& title, const QList<QStringList>& rows,
                    CsvEncoding encoding)
{
    // Encoded first: a table the code page cannot hold is refused before a file is chosen.
    const QByteArray bytes = csvBytes(rows, encoding);
    QString path = services.dialogs.saveFileName(parent, title, kCsvFileFilter);
    if (path.isEmpty())
        return {};
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".csv");
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw MirteError(QStringLiteral("CSV ファイル %1 を保存できませんでした。%2")
                             .arg(QDir::toNativeSeparators(path), file.errorString()));
    return path;
}
