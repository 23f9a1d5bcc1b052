// The subject pictures: one colour per subject on palette and sheet, readable without colour.
#include "platform/subjectpictures.h"

#include <QHash>
#include <QSet>
#include <cmath>
#include <gtest/gtest.h>

namespace {

// Relative luminance contrast of two colours, 1 to 21.
double contrast(const QColor& a, const QColor& b)
{
    auto lum = [](const QColor& c) {
        auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
    };
    const double la = lum(a), lb = lum(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// Inside the frame, in grey as a monochrome printer shows it: the darkest pixel is the text, the
// most frequent one the tile.
std::pair<QColor, QColor> inkAndTile(const QImage& picture, int inset)
{
    const QImage grey = picture.convertToFormat(QImage::Format_RGB32)
                            .convertToFormat(QImage::Format_Grayscale8)
                            .convertToFormat(QImage::Format_RGB32);
    QHash<QRgb, int> frequency;
    QRgb ink = qRgb(255, 255, 255);
    for (int y = inset; y < grey.height() - inset; ++y)
        for (int x = inset; x < grey.width() - inset; ++x) {
            const QRgb p = grey.pixel(x, y);
            ++frequency[p];
            if (qGray(p) < qGray(ink))
                ink = p;
        }
    QRgb tile = ink;
    for (auto it = frequency.cbegin(); it != frequency.cend(); ++it)
        if (it.value() > frequency.value(tile))
            tile = it.key();
    return {QColor(ink), QColor(tile)};
}

TEST(SubjectPicturesTest, SheetPicturesShareTheirSubjectsPaletteColour)
{
    // Sheet element → palette index of the same subject ("総国社算理生音図家体道学ク児行切").
    const int samePaletteSubject[kSheetPictureCount] = {1,  2,  3, 4, 6, 7, 8, 9, 0,  10,
                                                        11, 12, 1, 3, 5, 6, 7, 9, 10, 11};
    QSet<QByteArray> distinct;
    for (int i = 0; i < kSheetPictureCount; ++i) {
        const QImage picture = sheetPicture(i);
        ASSERT_EQ(picture.size(), QSize(472, 472)) << i;
        // The frame runs along every edge in the subject's colour.
        const QColor expected = subjectColor(samePaletteSubject[i]);
        EXPECT_EQ(picture.pixelColor(236, 16).rgb(), expected.rgb()) << "sheet " << i;
        EXPECT_EQ(picture.pixelColor(16, 236).rgb(), expected.rgb()) << "sheet " << i;
        distinct.insert(
            QByteArray(reinterpret_cast<const char*>(picture.constBits()), picture.sizeInBytes()));
    }
    EXPECT_EQ(distinct.size(), kSheetPictureCount) << "every picture shows its own name";
}

TEST(SubjectPicturesTest, PaletteColoursAreDistinctAndPicturesReadInBlackAndWhite)
{
    QSet<QRgb> colours;
    for (int i = 0; i < kPaletteSubjectCount; ++i) {
        colours.insert(subjectColor(i).rgb());
        for (int size : {16, 32, 48}) {
            const QPixmap pixmap = palettePicture(i, size);
            ASSERT_EQ(pixmap.size(), QSize(size, size)) << i;
        }
        const auto [ink, tile] = inkAndTile(palettePicture(i, 32).toImage(), 4);
        EXPECT_GE(contrast(ink, tile), 7.0) << "palette " << i;
    }
    EXPECT_EQ(colours.size(), kPaletteSubjectCount);

    for (int i = 0; i < kSheetPictureCount; ++i) {
        const auto [ink, tile] = inkAndTile(sheetPicture(i), 40);
        EXPECT_GE(contrast(ink, tile), 7.0) << "sheet " << i;
    }
}

TEST(SubjectPicturesTest, TheCursorIsThePalettePictureHeldByItsMiddle)
{
    const QCursor cursor = paletteCursor(3);
    EXPECT_EQ(cursor.shape(), Qt::BitmapCursor);
    EXPECT_EQ(cursor.pixmap().toImage(), palettePicture(3, 32).toImage());
    EXPECT_EQ(cursor.hotSpot(), QPoint(16, 16));
}

TEST(SubjectPicturesTest, AnIndexOutsideTheListGivesAnEmptyPictureNotACrash)
{
    for (int index : {-1, kSheetPictureCount, 1000})
        EXPECT_FALSE(sheetPicture(index).isNull());
    for (int index : {-1, kPaletteSubjectCount}) {
        EXPECT_EQ(palettePicture(index).size(), QSize(32, 32));
        EXPECT_TRUE(subjectColor(index).isValid());
    }
}

} // namespace
