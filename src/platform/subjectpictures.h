// Subject pictures drawn at run time: the twenty sheet pictures of the weekly timetable poster and
// the small palette pictures, one colour per subject, the same on screen and on paper. Each is drawn
// when first asked for and then shared.
#pragma once

#include <QColor>
#include <QCursor>
#include <QImage>
#include <QPixmap>

// The sheet pictures of the sixteen subjects; the later subjects' two follow them.
inline constexpr int kSheetPictureCount = 20;
inline constexpr int kAllSheetPictures = 22;
inline constexpr int kPaletteSubjectCount = 16;
// Every subject with a palette picture: the sixteen, then 外国語 and 外国語活動 of later years.
inline constexpr int kPictureSubjectCount = 18;

// Sheet picture 0–21 (about 472 × 472): 0–11 "国社算理音図家体総道学ク" for the upper grades,
// 12–19 the hiragana versions こくご, さんすう, せいかつ, おんがく, ずこう, たいいく, どうとく, がっかつ,
// 20 外国語, 21 外国語活動.
QImage sheetPicture(int index);
inline constexpr int kSheetGaikokugo = 20;
inline constexpr int kSheetGaikokugokatsudou = 21;

// Palette subject 0–17 in the order "総国社算理生音図家体道学ク児行切外英".
int pictureIndexOf(QChar initial); // -1 for an initial without a picture
QColor subjectColor(int paletteIndex);
QPixmap palettePicture(int paletteIndex, int pixels = 32);
// The palette picture as a mouse pointer, hot spot in its middle.
QCursor paletteCursor(int paletteIndex);
