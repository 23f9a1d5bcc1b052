#include "summary/csvtables.h"

#include "calendar/dates.h"

#include <algorithm>

using namespace Qt::StringLiterals;

QString differenceText(const TallyBlock& block, Field field)
{
    const std::optional<Units> d = block.difference(field);
    return d ? UnitsToText(*d) : u"桁あふれ"_s;
}

QList<QStringList> tallyCsvRows(const Tally& tally, const std::vector<Field>& order)
{
    QList<QStringList> rows;
    rows << QStringList{u"教科"_s,      u"週･計画"_s,   u"週･実績"_s,   u"週･増減"_s,   u"学期･計画"_s,
                        u"学期･実績"_s, u"学期･増減"_s, u"年間･計画"_s, u"年間･実績"_s, u"年間･増減"_s};
    for (Field f : order) {
        QStringList row{tallyLabel(f)};
        for (const TallyBlock* b : {&tally.week, &tally.termBlock, &tally.year})
            row << UnitsToText(b->plan[f]) << UnitsToText(b->actual[f]) << differenceText(*b, f);
        rows << row;
    }
    return rows;
}

QList<QStringList> summaryCsvRows(const SchoolSummary& summary)
{
    const std::vector<Field> fields = mergedFields(summary.years);
    QStringList heading{u"年度"_s, u"学年"_s, u"組"_s, u"担任"_s};
    for (Field f : fields)
        heading << fieldLabel(f) + u" 計画"_s << fieldLabel(f) + u" 実績"_s << fieldLabel(f) + u" 増減"_s;
    heading << u"ファイル"_s;

    QList<QStringList> rows{heading};
    for (const SchoolYearTable& table : summary.years) {
        for (const SummaryRow& r : table.rows) {
            const ClassYear& c = r.figures;
            QStringList row{schoolYearName(c.schoolYear), QString::number(c.grade), c.strClass, c.teacher};
            for (Field f : fields) {
                if (std::find(table.fields.begin(), table.fields.end(), f) == table.fields.end()) {
                    row << QString() << QString() << QString(); // not a subject of that year
                    continue;
                }
                row << UnitsToText(c.year.plan[f]) << UnitsToText(c.year.actual[f])
                    << differenceText(c.year, f);
            }
            row << r.file;
            rows << row;
        }
    }
    return rows;
}
