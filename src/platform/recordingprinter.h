// A printer that keeps every drawing call, for tests of the sheets' exact geometry. Unlike a real
// printer it measures no text, so print() leaves the current position where it was.
#pragma once

#include "platform/printer.h"

#include <QList>

class RecordingPrinter final : public Printer {
public:
    struct Text {
        double x = 0, y = 0;
        QString text;
        QString fontName;
        double fontSize = 0;
        QColor color;
        int page = 0; // from 0
    };
    struct Line {
        double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
        int width = 1;
        QColor color;
    };
    struct Picture {
        QImage image;
        double x = 0, y = 0, width = 0, height = 0;
    };

    void setColorMode(int mode) override;
    void setOrientation(Orientation orientation) override;
    void setFontName(const QString& name) override;
    void setFontSize(double points) override;
    void setCurrentX(double twips) override;
    void setCurrentY(double twips) override;
    double currentX() const override;
    double currentY() const override;
    void print(const QString& text) override;
    void setDrawWidth(int printerPixels) override;
    void setForeColor(const QColor& color) override;
    void line(double x1, double y1, double x2, double y2) override;
    void paintPicture(const QImage& picture, double x, double y, double width, double height) override;
    void newPage() override;
    void endDoc() override;

    const QList<Text>& texts() const { return m_texts; }
    const QList<Line>& lines() const { return m_lines; }
    const QList<Picture>& pictures() const { return m_pictures; }
    int colorMode() const { return m_colorMode; }
    Orientation orientation() const { return m_orientation; }
    int documentsEnded() const { return m_ended; }
    // Pages begun so far: 1 plus the calls of newPage.
    int pages() const { return m_page + 1; }
    // Everything set before the first drawing (color mode, orientation, font) in call order, e.g.
    // "colorMode 2", "orientation landscape", "font ＭＳ 明朝", "fontSize 9".
    const QStringList& settings() const { return m_settings; }

    // Texts printed exactly at (x, y); convenient for geometry checks.
    QList<Text> textsAt(double x, double y) const;
    // First text equal to `text`, or nullptr.
    const Text* findText(const QString& text) const;
    bool hasLine(double x1, double y1, double x2, double y2, int width) const;

private:
    void note(const QString& setting);

    QList<Text> m_texts;
    QList<Line> m_lines;
    QList<Picture> m_pictures;
    QStringList m_settings;
    int m_colorMode = 0;
    Orientation m_orientation = Orientation::Portrait;
    QString m_fontName;
    double m_fontSize = 9;
    double m_x = 0, m_y = 0;
    int m_width = 1;
    QColor m_color = Qt::black;
    int m_ended = 0;
    int m_page = 0;
    bool m_drawn = false;
};
