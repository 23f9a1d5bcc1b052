#include "platform/painterprinter.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <algorithm>
#include <utility>

namespace {
constexpr double kTwipsPerInch = 1440.0;
constexpr double kLineDpi = 600.0; // line widths are given in pixels of this resolution
} // namespace

PainterPrinter::PainterPrinter(QPagedPaintDevice& device, ColorModeSetter colorMode)
    : m_device(device), m_colorMode(std::move(colorMode))
{
    m_font.setPointSizeF(9);
}

PainterPrinter::~PainterPrinter()
{
    // A sheet that never called endDoc still gets its page rather than a half-open device.
    if (m_painter && m_painter->isActive())
        m_painter->end();
}

QPainter* PainterPrinter::painter()
{
    if (m_failed)
        return nullptr;
    if (!m_painter)
        m_painter = std::make_unique<QPainter>();
    if (!m_painter->isActive()) {
        if (!m_painter->begin(&m_device)) {
            m_failed = true;
            return nullptr;
        }
        m_painter->setRenderHint(QPainter::Antialiasing);
        m_painter->setRenderHint(QPainter::SmoothPixmapTransform);
        m_painter->setRenderHint(QPainter::TextAntialiasing);
        applyPen();
    }
    return m_painter.get();
}

double PainterPrinter::toDeviceX(double twips) const
{
    return twips * m_device.logicalDpiX() / kTwipsPerInch;
}

double PainterPrinter::toDeviceY(double twips) const
{
    return twips * m_device.logicalDpiY() / kTwipsPerInch;
}

void PainterPrinter::applyPen()
{
    if (!m_painter || !m_painter->isActive())
        return;
    const double width = std::max(1, m_width) * m_device.logicalDpiX() / kLineDpi;
    QPen pen(m_color, width);
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    m_painter->setPen(pen);
}

void PainterPrinter::setColorMode(int mode)
{
    if (m_colorMode)
        m_colorMode(mode);
}

void PainterPrinter::setOrientation(Orientation orientation)
{
    // Once the page is being painted its layout is fixed; the orientation then waits for the next.
    m_device.setPageOrientation(orientation == Orientation::Landscape ? QPageLayout::Landscape
                                                                      : QPageLayout::Portrait);
}

void PainterPrinter::setFontName(const QString& name)
{
    m_font.setFamily(name);
}

void PainterPrinter::setFontSize(double points)
{
    if (points > 0)
        m_font.setPointSizeF(points);
}

void PainterPrinter::setCurrentX(double twips)
{
    m_x = twips;
}

void PainterPrinter::setCurrentY(double twips)
{
    m_y = twips;
}

double PainterPrinter::currentX() const
{
    return m_x;
}

double PainterPrinter::currentY() const
{
    return m_y;
}

void PainterPrinter::print(const QString& text)
{
    QPainter* p = painter();
    if (!p)
        return;
    // The font is resolved against the printer, so its metrics are in device pixels.
    const QFont font(m_font, p->device());
    p->setFont(font);
    const QFontMetricsF metrics(font, p->device());
    p->drawText(QPointF(toDeviceX(m_x), toDeviceY(m_y) + metrics.ascent()), text);
    m_x += metrics.horizontalAdvance(text) * kTwipsPerInch / m_device.logicalDpiX();
}

void PainterPrinter::setDrawWidth(int printerPixels)
{
    m_width = printerPixels;
    applyPen();
}

void PainterPrinter::setForeColor(const QColor& color)
{
    m_color = color;
    applyPen();
}

void PainterPrinter::line(double x1, double y1, double x2, double y2)
{
    QPainter* p = painter();
    if (!p)
        return;
    p->drawLine(QPointF(toDeviceX(x1), toDeviceY(y1)), QPointF(toDeviceX(x2), toDeviceY(y2)));
}

void PainterPrinter::paintPicture(const QImage& picture, double x, double y, double width, double height)
{
    QPainter* p = painter();
    if (!p || picture.isNull())
        return;
    const QRectF target(QPointF(toDeviceX(x), toDeviceY(y)),
                        QPointF(toDeviceX(x + width), toDeviceY(y + height)));
    p->drawImage(target.normalized(), picture);
}

void PainterPrinter::newPage()
{
    // A page never drawn on is begun first, so that a blank page still counts as one.
    if (painter() && !m_device.newPage())
        m_failed = true;
}

void PainterPrinter::endDoc()
{
    // Ending writes the page out (the PDF file, or the job to the spooler); that can fail too.
    if (m_painter && m_painter->isActive() && !m_painter->end())
        m_failed = true;
}
