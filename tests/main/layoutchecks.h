// What a person would see as broken in a window: text cut off by its control, or a control that
// sticks out of its parent.
#pragma once

class QWidget;

// Every shown label and button of the window shows its whole text, and lies inside its parent.
void expectTextsFit(QWidget* window);
