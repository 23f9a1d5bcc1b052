// Start-up set-up of the toolkit for Japanese: Qt's own translations and the sheets' font names.
#pragma once

class QCoreApplication;

// Loads qtbase_ja so that every text Qt draws itself (buttons, file and print dialogs) is Japanese.
// Returns whether the translation was found.
bool installQtTranslations(QCoreApplication& app);

// "ＭＳ 明朝" → IPAMincho, "ＭＳ ゴシック" → IPAGothic, "ＭＳ Ｐゴシック" → IPAPGothic.
void installFontSubstitutions();
