#include "planfile/planextension.h"

#include "core/mirteerror.h"

#include <QSet>

using namespace Qt::StringLiterals;

namespace {

constexpr QChar kLead = u'#';

bool isSectionName(QStringView name)
{
    if (name.isEmpty())
        return false;
    for (QChar c : name)
        if (c.isSpace() || c == kLead)
            return false;
    return true;
}

// "#<name> <n>": the name and the count, or false for anything else.
bool parseHeader(QStringView line, QString& name, qsizetype& count)
{
    if (!line.startsWith(kLead))
        return false;
    const qsizetype space = line.indexOf(u' ');
    if (space < 0)
        return false;
    const QStringView nameView = line.sliced(1, space - 1);
    const QStringView digits = line.sliced(space + 1);
    if (!isSectionName(nameView) || digits.isEmpty() || digits.size() > 4)
        return false;
    qsizetype n = 0;
    for (QChar c : digits) {
        if (c < u'0' || c > u'9')
            return false;
        n = n * 10 + (c.unicode() - u'0');
    }
    name = nameView.toString();
    count = n;
    return true;
}

} // namespace

QString extensionMarker()
{
    return u"#ミルテ拡張 %1"_s.arg(kPlanExtensionVersion);
}

QString extensionEnd()
{
    return u"#終わり"_s;
}

bool beginsExtension(QStringView line)
{
    return line.startsWith(kLead);
}

QStringList extensionLines(const std::vector<ExtensionSection>& sections, const QString& fileName)
{
    QStringList out;
    if (sections.empty())
        return out;
    out.append(extensionMarker());
    for (const ExtensionSection& section : sections) {
        if (!isSectionName(section.name))
            throw PlanFileError(fileName, 0, u"拡張の区分名「%1」は保存できません。"_s.arg(section.name));
        out.append(u"#%1 %2"_s.arg(section.name).arg(section.values.size()));
        for (const QString& value : section.values) {
            // A value that looks like a header would end the section early for the reader.
            if (value.startsWith(kLead) || value.contains(u'\n') || value.contains(u'\r'))
                throw PlanFileError(
                    fileName, 0, u"拡張の区分「%1」の値「%2」は保存できません。"_s.arg(section.name, value));
            out.append(value);
        }
    }
    out.append(extensionEnd());
    return out;
}

std::vector<ExtensionSection> readExtension(const QStringList& lines, qsizetype from, const QString& fileName,
                                            const std::function<bool(QStringView)>& isKnownSection)
{
    const auto fail = [&](qsizetype index, const QString& message) {
        throw PlanFileError(fileName, static_cast<int>(index) + 1, message);
    };

    const QString& marker = lines.at(from);
    const QString prefix = u"#ミルテ拡張 "_s;
    if (!marker.startsWith(prefix))
        fail(from, u"日の記録の月でも拡張の始まり（「%1」）でもありません。"_s.arg(extensionMarker()));
    if (marker != extensionMarker())
        fail(from, u"拡張の版「%1」は読めません（この版のミルテが読めるのは版 %2 です）。"_s
                       .arg(marker.sliced(prefix.size()))
                       .arg(kPlanExtensionVersion));

    std::vector<ExtensionSection> sections;
    QSet<QString> seen;
    qsizetype i = from + 1;
    for (;;) {
        if (i >= lines.size())
            fail(i,
                 u"ファイルが途中で終わっています（拡張の終わり「%1」がありません）。"_s.arg(extensionEnd()));
        const QString& line = lines.at(i);
        if (line == extensionEnd())
            break;
        ExtensionSection section;
        qsizetype count = 0;
        if (!parseHeader(line, section.name, count))
            fail(i, u"拡張の区分の見出し（「#名前 行数」）でも終わり「%1」でもありません。"_s.arg(
                        extensionEnd()));
        if (!isKnownSection(section.name))
            fail(i, u"拡張の区分「%1」はこの版のミルテにはありません。"_s.arg(section.name));
        if (seen.contains(section.name))
            fail(i, u"拡張の区分「%1」が二度あります。"_s.arg(section.name));
        seen.insert(section.name);
        const qsizetype header = i++;
        section.firstLine = static_cast<int>(i) + 1;
        for (qsizetype k = 0; k < count; ++k, ++i) {
            // A header or the end line where a value belongs: the section was cut short.
            if (i >= lines.size() || lines.at(i).startsWith(kLead))
                fail(
                    i,
                    u"拡張の区分「%1」（%2行目から）が途中で終わっています（%3行のうち%4行しかありません）。"_s
                        .arg(section.name)
                        .arg(header + 1)
                        .arg(count)
                        .arg(k));
            section.values.append(lines.at(i));
        }
        sections.push_back(std::move(section));
    }
    if (i + 1 < lines.size())
        fail(i + 1, u"拡張の終わり「%1」の後にまだ行があります。"_s.arg(extensionEnd()));
    return sections;
}
