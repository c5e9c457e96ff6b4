#include "platform/settings/SharedSettings.h"

#include <QSettings>

#include "catalogue/Catalogue.h"

namespace corva {

std::unique_ptr<QSettings> OpenSharedSettings() {
#ifdef Q_OS_WIN
    return std::make_unique<QSettings>(
        QStringLiteral("HKEY_CURRENT_USER\\Software\\") + QString::fromLatin1(kSharedStoreName),
        QSettings::NativeFormat);
#else
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                       QString::fromLatin1(kSharedStoreName));
#endif
}

UiLanguage LanguageFromStoredText(const QString& stored) {
    return Catalogue::Program().ByStoredName(stored.toStdString()).value_or(UiLanguage::English);
}

QString StoredTextFor(UiLanguage language) {
    return QString::fromStdString(Catalogue::Program().Info(language).storedName);
}

UiLanguage StoredLanguage() {
    const auto settings = OpenSharedSettings();
    return LanguageFromStoredText(settings
                                      ->value(QString::fromLatin1(settings_key::kFirmwareGroup) +
                                              '/' +
                                              QString::fromLatin1(settings_key::kLanguageValue))
                                      .toString());
}

}  // namespace corva
