#include "reports/sheetpage.h"

#include <QPageLayout>
#include <QPrinter>
#include <algorithm>

PrintableArea landscapeArea(const QPrinter& printer)
{
    QPageLayout layout = printer.pageLayout();
    layout.setOrientation(QPageLayout::Landscape);
    const QRectF paint = layout.paintRect(QPageLayout::Millimeter); // points would be rounded
    if (!layout.isValid() || paint.isEmpty())
        return {};
    constexpr double kTwipsPerMillimetre = 1440 / 25.4;
    return {paint.width() * kTwipsPerMillimetre, paint.height() * kTwipsPerMillimetre};
}

double fitFactor(const PrintableArea& area, double right, double bottom)
{
    return std::min({1.0, area.height / bottom, area.width / right});
}
