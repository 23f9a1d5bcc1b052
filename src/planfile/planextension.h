// The versioned extension of the plan file: named sections of value lines after the last day
// block, written only when a plan holds something the basic layout has no place for.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

inline constexpr int kPlanExtensionVersion = 1;

// One section: "#<name> <n>" and exactly n value lines.
struct ExtensionSection {
    QString name;
    QStringList values;
    int firstLine = 0; // 1-based file line of the first value; set by the reader, for messages
};

// "#ミルテ拡張 1": the line that begins the extension.
QString extensionMarker();
// "#終わり": the line that ends it.
QString extensionEnd();

// Whether a line after the day blocks begins the extension: a day block begins with a month number,
// never with "#".
bool beginsExtension(QStringView line);

// The lines of the extension: the marker, each section's header and values, the end line. No lines
// at all for no sections, so a plan without extended content keeps the basic layout. Throws
// PlanFileError (line 0) for a section name that cannot be written (empty, with a space or "#")
// or a value line that begins with "#" or holds a line break.
QStringList extensionLines(const std::vector<ExtensionSection>& sections, const QString& fileName);

// Reads lines[from] … the last line as the extension; line numbers in messages are index + 1.
// Throws PlanFileError naming the line for a wrong marker or version, an unknown or repeated section,
// a section cut short, a missing end line and lines after the end.
std::vector<ExtensionSection> readExtension(const QStringList& lines, qsizetype from, const QString& fileName,
                                            const std::function<bool(QStringView)>& isKnownSection);
