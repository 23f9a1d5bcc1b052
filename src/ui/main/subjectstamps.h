// Between a day's subject string and what its period buttons show: the palette index of an
// initial, the stamp a period shows, and the subject string the stamps of a row make.
#pragma once

#include "core/catalogue.h"

#include <QString>
#include <array>
#include <cstdint>

// Position of an initial in "総国社算理生音図家体道学ク児行切" from 0; -1 when it is none of them.
std::int16_t subGetIcon(const QString& initial);
// The same on the palette of a catalogue.
std::int16_t subGetIcon(const Catalogue& catalogue, const QString& initial);

// What a period button shows for an initial: the palette subject's caption and its picture, the
// spare time's name without a picture, or nothing for an empty period.
struct PeriodStamp {
    QString caption;
    int paletteIndex = -1; // -1: no picture
};
PeriodStamp periodStamp(const QString& subjects, int period);
PeriodStamp periodStamp(const Catalogue& catalogue, const QString& subjects, int period);

// The seven initials of a row's captions. A caption that names no palette subject (the spare
// time 予備 read from a file) keeps the row's stored initial, so no period is lost or shifted.
QString subjectStringFromCaptions(const std::array<QString, 7>& captions, const QString& stored);
QString subjectStringFromCaptions(const Catalogue& catalogue, const std::array<QString, 7>& captions,
                                  const QString& stored);
