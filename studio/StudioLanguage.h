#pragma once

#include <QString>

// Puts the studio's own texts, and Qt's (file dialogs, message box buttons), into the language
// the module chose from the registry or the locale, so that a rule's dialog and the window around
// it never disagree. Returns the locale name of the studio's texts installed ("ja"), or an empty
// text where the studio stays in English, its source language.
QString SpeakTheModulesLanguage();
