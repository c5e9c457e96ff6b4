#include "platform/settings/SharedSettings.h"

#include <QSettings>

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
    return stored == QStringLiteral("Chinese") ? UiLanguage::Chinese : UiLanguage::English;
}

QString StoredTextFor(UiLanguage language) {
    return language == UiLanguage::Chinese ? QStringLiteral("Chinese") : QStringLiteral("English");
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
