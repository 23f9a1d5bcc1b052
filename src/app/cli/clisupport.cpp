#include "clisupport.h"

#include "core/plandefaults.h"
#include "planfile/planfile.h"

using namespace Qt::StringLiterals;

AppState openPlan(const QString& path)
{
    AppState state;
    InitPlanDefaults(state);
    LoadPlanFile(state, path);
    return state;
}

QString isoDate(const QDate& date)
{
    return date.toString(Qt::ISODate);
}

static bool isWide(char32_t c)
{
    if (c >= 0xFF61 && c <= 0xFF9F) // half-width katakana and punctuation
        return false;
    return c >= 0x1100 && (c <= 0x115F || (c >= 0x2E80 && c <= 0xA4CF) || (c >= 0xAC00 && c <= 0xD7A3) ||
                           (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFE30 && c <= 0xFE4F) ||
                           (c >= 0xFF00 && c <= 0xFF60) || (c >= 0xFFE0 && c <= 0xFFE6) || c >= 0x20000 ||
                           (c >= 0x2460 && c <= 0x24FF) || (c >= 0x2160 && c <= 0x217F));
}

int displayWidth(const QString& text)
{
    int width = 0;
    for (char32_t c : text.toUcs4())
        width += isWide(c) ? 2 : 1;
    return width;
}

QString padRight(const QString& text, int width)
{
    return text + QString(std::max(0, width - displayWidth(text)), u' ');
}

QString padLeft(const QString& text, int width)
{
    return QString(std::max(0, width - displayWidth(text)), u' ') + text;
}

QString tableLine(const QString& label, const QStringList& cells, int labelWidth, int cellWidth)
{
    QString line = padRight(label, labelWidth);
    for (const QString& cell : cells)
        line += padLeft(cell, cellWidth);
    return line;
}
