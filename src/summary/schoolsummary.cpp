#include "summary/schoolsummary.h"

#include "core/mirteerror.h"
#include "core/plandefaults.h"
#include "planfile/planfile.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <algorithm>
#include <map>
#include <optional>

namespace {

// The class as a number when it is written with digits only (half- or full-width).
std::optional<long long> classNumber(const QString& text)
{
    const QString t = text.trimmed();
    if (t.isEmpty() || t.size() > 9)
        return std::nullopt;
    long long n = 0;
    for (QChar c : t) {
        const int d = c.digitValue();
        if (d < 0)
            return std::nullopt;
        n = n * 10 + d;
    }
    return n;
}

int compareClasses(const QString& a, const QString& b)
{
    const auto na = classNumber(a);
    const auto nb = classNumber(b);
    if (na && nb)
        return *na < *nb ? -1 : *na > *nb ? 1 : 0;
    if (na != nb) // numbered classes first
        return na ? -1 : 1;
    return QString::compare(a, b);
}

} // namespace

int SchoolSummary::classCount() const
{
    int n = 0;
    for (const SchoolYearTable& t : years)
        n += static_cast<int>(t.rows.size());
    return n;
}

bool classBefore(const SummaryRow& a, const SummaryRow& b)
{
    if (a.figures.grade != b.figures.grade)
        return a.figures.grade < b.figures.grade;
    if (const int c = compareClasses(a.figures.strClass, b.figures.strClass))
        return c < 0;
    if (const int c = QString::compare(a.figures.teacher, b.figures.teacher))
        return c < 0;
    return a.file < b.file;
}

SchoolSummary summarizePlanFiles(const QStringList& files, const QDate& until)
{
    SchoolSummary summary;
    summary.until = until;
    std::map<int, SchoolYearTable> byYear;
    QSet<QString> seen;
    for (const QString& file : files) {
        const QString key = QFileInfo(file).absoluteFilePath();
        if (seen.contains(key))
            continue;
        seen.insert(key);
        try {
            AppState plan;
            InitPlanDefaults(plan);
            LoadPlanFile(plan, file);
            SchoolYearTable& table = byYear[plan.intYear];
            table.schoolYear = plan.intYear;
            table.rows.push_back({file, classYear(plan, until)});
        } catch (const PlanFileError& e) {
            summary.errors.push_back({e.file(), e.line(), e.message()});
        } catch (const MirteError& e) {
            // A plan whose sums leave 16 bits is reported like a bad file; the others still count.
            summary.errors.push_back({file, 0, e.description()});
        }
    }
    for (auto& [year, table] : byYear) {
        table.fields = summaryFields(year);
        std::sort(table.rows.begin(), table.rows.end(), classBefore);
        summary.years.push_back(std::move(table));
    }
    return summary;
}

QStringList planFilesInFolder(const QString& folder)
{
    const QStringList pattern{QStringLiteral("*.rv")};
    const QDir top(folder);
    QStringList files;
    for (const QFileInfo& f : top.entryInfoList(pattern, QDir::Files | QDir::Readable))
        files << f.filePath();
    for (const QFileInfo& sub : top.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Readable))
        for (const QFileInfo& f : QDir(sub.filePath()).entryInfoList(pattern, QDir::Files | QDir::Readable))
            files << f.filePath();
    files.sort();
    return files;
}

std::vector<Field> mergedFields(const std::vector<SchoolYearTable>& years)
{
    std::vector<Field> merged;
    for (const SchoolYearTable& t : years) {
        auto at = merged.begin();
        for (Field f : t.fields) {
            const auto found = std::find(merged.begin(), merged.end(), f);
            if (found != merged.end())
                at = found + 1;
            else
                at = merged.insert(at, f) + 1;
        }
    }
    return merged;
}
