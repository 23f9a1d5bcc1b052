#include "reports/printablearea.h"

#include <QPageLayout>
#include <QPagedPaintDevice>
#include <algorithm>

PrintableArea printableArea(const QPagedPaintDevice& device, Printer::Orientation orientation,
                            const PrintableArea& fallback)
{
    QPageLayout layout = device.pageLayout();
    layout.setOrientation(orientation == Printer::Orientation::Landscape ? QPageLayout::Landscape
                                                                         : QPageLayout::Portrait);
    const QRectF paint = layout.paintRect(QPageLayout::Millimeter); // points would be rounded
    if (!layout.isValid() || paint.isEmpty())
        return fallback;
    constexpr double kTwipsPerMillimetre = 1440 / 25.4;
    return {paint.width() * kTwipsPerMillimetre, paint.height() * kTwipsPerMillimetre};
}

double fitFactor(const PrintableArea& area, double right, double bottom)
{
    return std::min({1.0, area.width / right, area.height / bottom});
}
