// A printer that shrinks everything drawn on it about the page's top-left corner, so a sheet that
// would run past the foot of the page still fits on it whole.
#pragma once

#include "platform/printer.h"

class ScaledPrinter final : public Printer {
public:
    // factor 1 passes every call through unchanged.
    ScaledPrinter(Printer& target, double factor) : m_target(target), m_factor(factor) {}

    void setColorMode(int mode) override { m_target.setColorMode(mode); }
    void setOrientation(Orientation orientation) override { m_target.setOrientation(orientation); }
    void setFontName(const QString& name) override { m_target.setFontName(name); }
    void setFontSize(double points) override { m_target.setFontSize(points * m_factor); }
    void setCurrentX(double twips) override { m_target.setCurrentX(twips * m_factor); }
    void setCurrentY(double twips) override { m_target.setCurrentY(twips * m_factor); }
    double currentX() const override { return m_target.currentX() / m_factor; }
    double currentY() const override { return m_target.currentY() / m_factor; }
    void print(const QString& text) override { m_target.print(text); }
    void setDrawWidth(int printerPixels) override { m_target.setDrawWidth(printerPixels); }
    void setForeColor(const QColor& color) override { m_target.setForeColor(color); }
    void line(double x1, double y1, double x2, double y2) override
    {
        m_target.line(x1 * m_factor, y1 * m_factor, x2 * m_factor, y2 * m_factor);
    }
    void paintPicture(const QImage& picture, double x, double y, double width, double height) override
    {
        m_target.paintPicture(picture, x * m_factor, y * m_factor, width * m_factor, height * m_factor);
    }
    void newPage() override { m_target.newPage(); }
    void endDoc() override { m_target.endDoc(); }

private:
    Printer& m_target;
    double m_factor;
};
