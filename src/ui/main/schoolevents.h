// The school events every event box of the week view offers, and the clean-up of a typed event.
#pragma once

#include <QString>
#include <QStringList>

// The twenty-six events in the order the boxes list them (unsorted).
const QStringList& schoolEvents();

// The text without line breaks: the plan file holds an event on one line.
QString oneLineEvent(const QString& text);
