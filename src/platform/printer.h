// What the printed sheets need of a printer: positions and sizes in twips from the top-left corner
// of the printable area, text placed with its top at the current y, lines in printer pixels.
#pragma once

#include <QColor>
#include <QImage>
#include <QString>

class Printer {
public:
    enum class Orientation { Portrait, Landscape };

    virtual ~Printer() = default;

    // The further setting every sheet sets to 2 before the orientation: 2 = colour, 1 = monochrome.
    virtual void setColorMode(int mode) = 0;
    virtual void setOrientation(Orientation orientation) = 0;
    virtual void setFontName(const QString& name) = 0;
    virtual void setFontSize(double points) = 0;
    virtual void setCurrentX(double twips) = 0;
    virtual void setCurrentY(double twips) = 0;
    virtual double currentX() const = 0;
    virtual double currentY() const = 0;
    // Draws the text at the current position in the current font, size and colour.
    virtual void print(const QString& text) = 0;
    // Line width in pixels of a 600 dpi printer.
    virtual void setDrawWidth(int printerPixels) = 0;
    virtual void setForeColor(const QColor& color) = 0;
    virtual void line(double x1, double y1, double x2, double y2) = 0;
    // The whole picture scaled into the rectangle.
    virtual void paintPicture(const QImage& picture, double x, double y, double width, double height) = 0;
    // Ends the page and starts the next one, in the same orientation.
    virtual void newPage() = 0;
    // Ends the document: the page is printed.
    virtual void endDoc() = 0;
    // Whether the device refused the document; drawing never throws, so callers ask after endDoc.
    virtual bool hasFailed() const { return false; }

    void printAt(double x, double y, const QString& text)
    {
        setCurrentX(x);
        setCurrentY(y);
        print(text);
    }
};
