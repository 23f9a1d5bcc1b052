// File dialog filters as the program writes them ("label|pattern|label|pattern") turned into Qt's
// form ("label;;label"), where the label already holds the pattern in parentheses.
#pragma once

#include <QString>

QString toQtFileFilter(const QString& filter);
