// The one family of run-time errors: every error carries a Japanese description for the user.
#pragma once

#include <QString>
#include <stdexcept>

class MirteError : public std::runtime_error {
public:
    explicit MirteError(const QString& description);
    const QString& description() const noexcept { return m_description; }

private:
    QString m_description;
};

// A text that does not read as the number or date it should be.
class ConversionError : public MirteError {
public:
    using MirteError::MirteError;
};

// A unit count or other 16-bit value that left its range.
class OverflowError : public MirteError {
public:
    using MirteError::MirteError;
};

// A plan file that cannot be read or written; line is 0 when no line applies.
class PlanFileError : public MirteError {
public:
    PlanFileError(const QString& file, int line, const QString& message);
    const QString& file() const noexcept { return m_file; }
    int line() const noexcept { return m_line; }
    const QString& message() const noexcept { return m_message; }

private:
    QString m_file;
    int m_line;
    QString m_message;
};
