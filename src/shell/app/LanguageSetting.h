// How the interface language is chosen and remembered: the system locale on the first run,
// the stored "Language" text afterwards, and the switch that moves on to the next language and
// stores it.
#pragma once

#include <QLocale>
#include <QString>

#include "core/UiText.h"
#include "platform/settings/SharedSettings.h"

namespace corva::shell {

class Language;
class SettingsStore;

// The catalogue language whose code is the locale's name ("zh_CN": Chinese only as used in the
// People's Republic of China) or the locale's language alone; English otherwise.
UiLanguage LanguageForLocale(const QLocale& locale);

// The start-up rule: an empty stored text takes `localeLanguage` and is written back; a
// stored one decides.
UiLanguage StartupLanguage(SettingsStore& store, UiLanguage localeLanguage);

// The language button: moves on to the next language (every bound text follows) and stores it.
void ToggleLanguage(Language& language, SettingsStore& store);

}  // namespace corva::shell
