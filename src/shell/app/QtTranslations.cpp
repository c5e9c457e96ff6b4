#include "shell/app/QtTranslations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>

#include "shell/app/Language.h"

namespace corva::shell {

QStringList QtCatalogueFolders() {
    return {QLibraryInfo::path(QLibraryInfo::TranslationsPath),
            QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("translations"))};
}

QtTranslations::QtTranslations(Language& language, QStringList folders, QObject* parent)
    : QObject(parent) {
    for (const QString& folder : folders) {
        if (chinese_.load(QStringLiteral("qtbase_zh_CN"), folder)) {
            chineseLoaded_ = true;
            break;
        }
    }
    connect(&language, &Language::Changed, this, [this](UiLanguage now) { Follow(now); });
    Follow(language.current());
}

QtTranslations::~QtTranslations() {
    Follow(UiLanguage::English);
}

void QtTranslations::Follow(UiLanguage language) {
    const bool wanted = chineseLoaded_ && language == UiLanguage::Chinese;
    if (wanted == installed_) {
        return;
    }
    // Either call makes Qt send every widget a language-change event, so Qt's texts on
    // screen follow at once.
    installed_ = wanted ? QCoreApplication::installTranslator(&chinese_)
                        : !QCoreApplication::removeTranslator(&chinese_);
}

}  // namespace corva::shell
