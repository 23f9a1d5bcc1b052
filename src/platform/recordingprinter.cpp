#include "platform/recordingprinter.h"

void RecordingPrinter::note(const QString& setting)
{
    if (!m_drawn)
        m_settings << setting;
}

void RecordingPrinter::setColorMode(int mode)
{
    m_colorMode = mode;
    note(QStringLiteral("colorMode %1").arg(mode));
}

void RecordingPrinter::setOrientation(Orientation orientation)
{
    m_orientation = orientation;
    note(orientation == Orientation::Landscape ? QStringLiteral("orientation landscape")
                                               : QStringLiteral("orientation portrait"));
}

void RecordingPrinter::setFontName(const QString& name)
{
    m_fontName = name;
    note(QStringLiteral("font %1").arg(name));
}

void RecordingPrinter::setFontSize(double points)
{
    m_fontSize = points;
    note(QStringLiteral("fontSize %1").arg(points));
}

void RecordingPrinter::setCurrentX(double twips)
{
    m_x = twips;
}

void RecordingPrinter::setCurrentY(double twips)
{
    m_y = twips;
}

double RecordingPrinter::currentX() const
{
    return m_x;
}

double RecordingPrinter::currentY() const
{
    return m_y;
}

void RecordingPrinter::print(const QString& text)
{
    m_drawn = true;
    m_texts.append({m_x, m_y, text, m_fontName, m_fontSize, m_color, m_page});
}

void RecordingPrinter::setDrawWidth(int printerPixels)
{
    m_width = printerPixels;
}

void RecordingPrinter::setForeColor(const QColor& color)
{
    m_color = color;
}

void RecordingPrinter::line(double x1, double y1, double x2, double y2)
{
    m_drawn = true;
    m_lines.append({x1, y1, x2, y2, m_width, m_color});
}

void RecordingPrinter::paintPicture(const QImage& picture, double x, double y, double width, double height)
{
    m_drawn = true;
    m_pictures.append({picture, x, y, width, height});
}

void RecordingPrinter::newPage()
{
    m_drawn = true;
    ++m_page;
}

void RecordingPrinter::endDoc()
{
    ++m_ended;
}

QList<RecordingPrinter::Text> RecordingPrinter::textsAt(double x, double y) const
{
    QList<Text> found;
    for (const Text& t : m_texts)
        if (t.x == x && t.y == y)
            found << t;
    return found;
}

const RecordingPrinter::Text* RecordingPrinter::findText(const QString& text) const
{
    for (const Text& t : m_texts)
        if (t.text == text)
            return &t;
    return nullptr;
}

bool RecordingPrinter::hasLine(double x1, double y1, double x2, double y2, int width) const
{
    for (const Line& l : m_lines) {
        if (l.width != width)
            continue;
        const bool same = l.x1 == x1 && l.y1 == y1 && l.x2 == x2 && l.y2 == y2;
        const bool reversed = l.x1 == x2 && l.y1 == y2 && l.x2 == x1 && l.y2 == y1;
        if (same || reversed)
            return true;
    }
    return false;
}
