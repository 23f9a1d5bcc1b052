// What screen readers are told of the controls: a combo box keeps the name that says what it is
// ("学年", "10/15(月) 行事") and gives what it holds as its value. Qt on Linux would report the
// current text as the name, so a reader heard "3" for the grade and "運動会" for an event box.
#pragma once

// Installs the accessible interface of combo boxes; once per program, before windows are shown.
void installAccessibleNames();
