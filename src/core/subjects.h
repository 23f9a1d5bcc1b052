// The subject catalogue: display names, one-character initials and the fields they are counted in.
#pragma once

#include "core/unitcounts.h"

#include <QString>
#include <array>
#include <optional>

// The empty period: one ideographic space.
inline constexpr char16_t kEmptyPeriod = u'\u3000';

// The sixteen subjects in canonical (palette) order, as one string of initials.
inline constexpr char16_t kSubjectInitials[] = u"総国社算理生音図家体道学ク児行切";
inline constexpr char16_t kSpareInitial = u'予';

struct Subject {
    const char16_t* name;
    char16_t initial;
    Field field;
};

// Canonical order; the spare time 予 has no entry of its own.
extern const std::array<Subject, 16> kSubjects;

// Field an initial is counted in, the spare initial 予 included; none for "　" and anything else.
std::optional<Field> fieldOfInitial(QChar initial);

// Display name of an initial on the catalogue; empty for anything else.
QString subjectName(QChar initial);

// Initial of a display name (exact match); "　" for the empty text; empty for anything else.
QString SubjectInitial(const QString& displayName);

// Booleans as the plan file writes them: only -1 is true.
QString BoolToText(std::int16_t value);
inline QString BoolToText(bool value)
{
    return BoolToText(std::int16_t(value ? -1 : 0));
}
bool TextToBool(const QString& text);
