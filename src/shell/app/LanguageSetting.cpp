#include "shell/app/LanguageSetting.h"

#include "catalogue/Catalogue.h"
#include "shell/app/Language.h"
#include "shell/app/SettingsStore.h"

namespace corva::shell {

UiLanguage LanguageForLocale(const QLocale& locale) {
    const Catalogue& catalogue = Catalogue::Program();
    // A catalogue named with its territory ("zh_CN") takes only that territory; one named by
    // its language alone ("de") takes every territory of the language.
    if (const auto exact = catalogue.ByCode(locale.name().toStdString())) {
        return *exact;
    }
    const QString languageCode = QLocale::languageToCode(locale.language());
    return catalogue.ByCode(languageCode.toStdString()).value_or(UiLanguage::English);
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
