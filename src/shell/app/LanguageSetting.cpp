#include "shell/app/LanguageSetting.h"

#include "shell/app/Language.h"
#include "shell/app/SettingsStore.h"

namespace corva::shell {

UiLanguage LanguageForLocale(const QLocale& locale) {
    return locale.language() == QLocale::Chinese && locale.territory() == QLocale::China
               ? UiLanguage::Chinese
               : UiLanguage::English;
}

UiLanguage StartupLanguage(SettingsStore& store, UiLanguage localeLanguage) {
    FirmwareSettings values = store.ReadFirmwareSettings();
    if (values.language.isEmpty()) {
        values.language = StoredTextFor(localeLanguage);
        store.WriteFirmwareSettings(values);
        return localeLanguage;
    }
    return LanguageFromStoredText(values.language);
}

void ToggleLanguage(Language& language, SettingsStore& store) {
    language.Toggle();
    FirmwareSettings values = store.firmwareSettings();
    values.language = StoredTextFor(language.current());
    store.WriteFirmwareSettings(values);
}

}  // namespace corva::shell
