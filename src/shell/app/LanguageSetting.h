// How the interface language is chosen and remembered: the system locale on the first run,
// the stored "Language" text afterwards, and the switch that flips and stores it.
#pragma once

#include <QLocale>
#include <QString>

#include "core/UiText.h"
#include "platform/settings/SharedSettings.h"

namespace corva::shell {

class Language;
class SettingsStore;

// Chinese only for Chinese as used in the People's Republic of China; English otherwise.
UiLanguage LanguageForLocale(const QLocale& locale);

// The start-up rule: an empty stored text takes `localeLanguage` and is written back; a
// stored one decides.
UiLanguage StartupLanguage(SettingsStore& store, UiLanguage localeLanguage);

// The language button: flips the language (every bound text follows) and stores it.
void ToggleLanguage(Language& language, SettingsStore& store);

}  // namespace corva::shell
