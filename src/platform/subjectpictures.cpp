#include "platform/subjectpictures.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPixmapCache>
#include <algorithm>
#include <array>
#include <mutex>

namespace {
const char16_t kPictureInitials[] = u"総国社算理生音図家体道学ク児行切外英";

struct PaletteSubject {
    const char* name;
    QRgb color;
};

// Palette order "総国社算理生音図家体道学ク児行切". Mid-tone colours: a light tint of each fills
// the tile and the colour itself draws the frame, so black text stays readable in print and on
// a grey-scale printer the frames still tell the tiles apart.
const std::array<PaletteSubject, kPictureSubjectCount> kPalette = {{
    {"総合", 0x8E5A2B},       // brown
    {"国語", 0xD0312D},       // red
    {"社会", 0xE07B00},       // orange
    {"算数", 0x1F5FBF},       // blue
    {"理科", 0x2E9A3E},       // green
    {"生活", 0x7BAA1E},       // yellow-green
    {"音楽", 0xD23C8C},       // pink
    {"図工", 0x8A3FC0},       // purple
    {"家庭", 0xC9A100},       // mustard
    {"体育", 0x00A0B0},       // teal
    {"道徳", 0x3A4FA0},       // indigo
    {"学活", 0xB8466A},       // rose
    {"クラブ", 0x5C8A8A},     // slate
    {"児童会", 0x6B7A2A},     // olive
    {"行事", 0xA0522D},       // sienna
    {"打切り", 0x707070},     // grey
    {"外国語", 0x2A7AA8},     // steel blue
    {"外国語活動", 0x4F9A8A}, // sea green
}};

struct SheetSubject {
    const char* text;
    int palette; // index into kPalette: the same subject has the same colour everywhere
};

// Sheet elements 0–11 follow "国社算理音図家体総道学ク"; 12–19 are the lower grades' hiragana.
const std::array<SheetSubject, kAllSheetPictures> kSheet = {{
    {"国語", 1},      {"社会", 2},      {"算数", 3},     {"理科", 4},        {"音楽", 6},   {"図工", 7},
    {"家庭", 8},      {"体育", 9},      {"総合", 0},     {"道徳", 10},       {"学活", 11},  {"クラブ", 12},
    {"こくご", 1},    {"さんすう", 3},  {"せいかつ", 5}, {"おんがく", 6},    {"ずこう", 7}, {"たいいく", 9},
    {"どうとく", 10}, {"がっかつ", 11}, {"外国語", 16},  {"外国語活動", 17},
}};

QColor tint(const QColor& base, double amount)
{
    // Mix with white: amount 0 keeps the colour, 1 gives white.
    return QColor::fromRgbF(float(base.redF() + (1 - base.redF()) * amount),
                            float(base.greenF() + (1 - base.greenF()) * amount),
                            float(base.blueF() + (1 - base.blueF()) * amount));
}

QColor shade(const QColor& base, double amount)
{
    return QColor::fromRgbF(float(base.redF() * (1 - amount)), float(base.greenF() * (1 - amount)),
                            float(base.blueF() * (1 - amount)));
}

QFont pictureFont(double pixelSize)
{
    QFont font(QStringLiteral("IPAGothic"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(std::max(1, int(pixelSize)));
    font.setBold(true);
    return font;
}

// The largest font, up to `maxPixels`, at which the text fits in the box.
QFont fittedFont(const QString& text, const QSizeF& box, double maxPixels)
{
    QFont font = pictureFont(maxPixels);
    const QFontMetricsF metrics(font);
    const double scale = std::min(box.width() / std::max(1.0, metrics.horizontalAdvance(text)),
                                  box.height() / std::max(1.0, metrics.height()));
    if (scale < 1)
        font.setPixelSize(std::max(1, int(maxPixels * scale)));
    return font;
}

// The text as outlines, stroked as well as filled so that it reads bold with fonts that have no bold
// face, and scaled to fill the box.
void drawNameText(QPainter& p, const QStringList& lines, const QRectF& box, const QColor& ink)
{
    const QFont font = pictureFont(100);
    const QFontMetricsF metrics(font);
    QPainterPath path;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const double width = metrics.horizontalAdvance(lines[i]);
        path.addText(QPointF(-width / 2, metrics.ascent() + i * metrics.height() * 0.95), font, lines[i]);
    }
    const QRectF bounds = path.boundingRect();
    const double scale = std::min(box.width() / bounds.width(), box.height() / bounds.height());
    QTransform t;
    t.translate(box.center().x(), box.center().y());
    t.scale(scale, scale);
    t.translate(-bounds.center().x(), -bounds.center().y());
    const QPainterPath placed = t.map(path);
    QPen pen(ink, box.width() / 60);
    pen.setJoinStyle(Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(ink);
    p.drawPath(placed);
}

void drawTile(QPainter& p, const QRectF& area, const QColor& color, double frame, double radius)
{
    const QRectF tile = area.adjusted(frame / 2, frame / 2, -frame / 2, -frame / 2);
    p.setPen(QPen(color, frame));
    p.setBrush(tint(color, 0.82));
    p.drawRoundedRect(tile, radius, radius);
}
} // namespace

int pictureIndexOf(QChar initial)
{
    const QString initials = QString::fromUtf16(kPictureInitials);
    return static_cast<int>(initials.indexOf(initial));
}

QColor subjectColor(int paletteIndex)
{
    if (paletteIndex < 0 || paletteIndex >= kPictureSubjectCount)
        return QColor(Qt::gray);
    return QColor(kPalette[size_t(paletteIndex)].color);
}

namespace {

QImage drawSheetPicture(int index)
{
    constexpr int kSize = 472;
    QImage image(kSize, kSize, QImage::Format_RGB32);
    image.fill(Qt::white);
    if (index < 0 || index >= kAllSheetPictures)
        return image;
    const SheetSubject& subject = kSheet[size_t(index)];
    const QColor color = subjectColor(subject.palette);
    const QString text = QString::fromUtf8(subject.text);

    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    drawTile(p, QRectF(8, 8, kSize - 16, kSize - 16), color, 22, 48);

    // A band in the subject's colour along the bottom, so the colour reads from afar.
    QPainterPath band;
    band.addRoundedRect(QRectF(40, kSize - 112, kSize - 80, 40), 20, 20);
    p.fillPath(band, tint(color, 0.35));

    // Four kana would come out small on one line; two lines of two read better from the back of
    // the classroom.
    const QStringList lines = text.size() >= 4
                                  ? QStringList{text.left(text.size() / 2), text.mid(text.size() / 2)}
                                  : QStringList{text};
    drawNameText(p, lines, QRectF(48, 52, kSize - 96, kSize - 184), shade(color, 0.7));
    return image;
}

QPixmap drawPalettePicture(int paletteIndex, int pixels)
{
    QPixmap pixmap(pixels, pixels);
    pixmap.fill(Qt::transparent);
    if (paletteIndex < 0 || paletteIndex >= kPictureSubjectCount)
        return pixmap;
    const QColor color = subjectColor(paletteIndex);

    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const double frame = std::max(2.0, pixels / 10.0);
    drawTile(p, QRectF(0, 0, pixels, pixels), color, frame, pixels / 6.0);

    // The initial alone reads at icon size; it is the character the timetables print.
    const QString initial = QString::fromUtf16(kPictureInitials).at(paletteIndex);
    const double inner = pixels - 2 * frame;
    p.setFont(fittedFont(initial, QSizeF(inner, inner), inner * 0.8));
    p.setPen(shade(color, 0.7));
    p.drawText(QRectF(0, 0, pixels, pixels), Qt::AlignCenter, initial);
    return pixmap;
}

} // namespace

QImage sheetPicture(int index)
{
    // Each subject is drawn once and shared: a poster shows the same subjects many times, and a PDF
    // keeps a shared picture once.
    static std::mutex lock;
    static std::array<QImage, kAllSheetPictures> drawn;
    if (index < 0 || index >= kAllSheetPictures)
        return drawSheetPicture(index);
    const std::lock_guard<std::mutex> guard(lock);
    QImage& picture = drawn[std::size_t(index)];
    if (picture.isNull())
        picture = drawSheetPicture(index);
    return picture;
}

QPixmap palettePicture(int paletteIndex, int pixels)
{
    pixels = std::max(8, pixels);
    // Drawn when first shown and then shared by the main window, the timetable page and the pointer.
    const QString key = QStringLiteral("mirte-palette-%1-%2").arg(paletteIndex).arg(pixels);
    QPixmap picture;
    if (!QPixmapCache::find(key, &picture)) {
        picture = drawPalettePicture(paletteIndex, pixels);
        QPixmapCache::insert(key, picture);
    }
    return picture;
}

QCursor paletteCursor(int paletteIndex)
{
    const QPixmap pixmap = palettePicture(paletteIndex, 32);
    return QCursor(pixmap, pixmap.width() / 2, pixmap.height() / 2);
}
