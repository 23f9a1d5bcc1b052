// Subject pictures drawn at run time: the twenty sheet pictures of the weekly timetable poster and
// the small palette pictures, one colour per subject, the same on screen and on paper.
#pragma once

#include <QColor>
#include <QCursor>
#include <QImage>
#include <QPixmap>

inline constexpr int kSheetPictureCount = 20;
inline constexpr int kPaletteSubjectCount = 16;

// Sheet picture 0–19 (about 472 × 472): 0–11 "国社算理音図家体総道学ク" for the upper grades,
// 12–19 the hiragana versions こくご, さんすう, せいかつ, おんがく, ずこう, たいいく, どうとく, がっかつ.
QImage sheetPicture(int index);

// Palette subject 0–15 in the order "総国社算理生音図家体道学ク児行切".
QColor subjectColor(int paletteIndex);
QPixmap palettePicture(int paletteIndex, int pixels = 32);
// The palette picture as a mouse pointer, hot spot in its middle.
QCursor paletteCursor(int paletteIndex);
