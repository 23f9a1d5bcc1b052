#include "core/mirteerror.h"

MirteError::MirteError(const QString& description)
    : std::runtime_error(description.toStdString()), m_description(description)
{
}

static QString located(const QString& file, int line, const QString& message)
{
    return line > 0 ? QStringLiteral("%1:%2: %3").arg(file).arg(line).arg(message)
                    : QStringLiteral("%1: %2").arg(file, message);
}

PlanFileError::PlanFileError(const QString& file, int line, const QString& message)
    : MirteError(located(file, line, message)), m_file(file), m_line(line), m_message(message)
{
}
