// Prints on a paged device (a PDF writer, or a printer): twips scaled to the device, text with its
// top at the current y, line widths in pixels of a 600 dpi printer. Painting starts at the first
// drawing call, so the orientation set before it applies to the page.
#pragma once

#include "platform/printer.h"

#include <QFont>
#include <QPainter>
#include <functional>
#include <memory>

class QPagedPaintDevice;
class QPrinter;

class PainterPrinter final : public Printer {
public:
    // What a device with a colour mode of its own makes of the sheets' setColorMode.
    using ColorModeSetter = std::function<void(int mode)>;

    // Without `colorMode` the sheets print in colour, as on a PDF writer, which has no colour mode.
    explicit PainterPrinter(QPagedPaintDevice& device, ColorModeSetter colorMode = {});
    // A QPrinter has a colour mode: give it with colorModeOf (platform/printerpainting.h).
    explicit PainterPrinter(QPrinter& printer) = delete;
    ~PainterPrinter() override;

    void setColorMode(int mode) override;
    void setOrientation(Orientation orientation) override;
    void setFontName(const QString& name) override;
    void setFontSize(double points) override;
    void setCurrentX(double twips) override;
    void setCurrentY(double twips) override;
    double currentX() const override;
    double currentY() const override;
    // Leaves the current x at the end of the text; y stays.
    void print(const QString& text) override;
    void setDrawWidth(int printerPixels) override;
    void setForeColor(const QColor& color) override;
    void line(double x1, double y1, double x2, double y2) override;
    void paintPicture(const QImage& picture, double x, double y, double width, double height) override;
    void newPage() override;
    void endDoc() override;

    // True once the device refused to start a document (no printer, a PDF path that cannot be
    // written); every drawing call after that does nothing.
    bool hasFailed() const override { return m_failed; }

private:
    QPainter* painter(); // begins the document on first use; nullptr when the device refused
    double toDeviceX(double twips) const;
    double toDeviceY(double twips) const;
    void applyPen();

    QPagedPaintDevice& m_device;
    ColorModeSetter m_colorMode;
    std::unique_ptr<QPainter> m_painter;
    QFont m_font;
    QColor m_color = Qt::black;
    int m_width = 1;
    double m_x = 0, m_y = 0;
    bool m_failed = false;
};
