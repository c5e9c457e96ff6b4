#include "shell/app/QtTranslations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>

#include "catalogue/Catalogue.h"
#include "shell/app/Language.h"

namespace corva::shell {

QStringList QtCatalogueFolders() {
    return {QLibraryInfo::path(QLibraryInfo::TranslationsPath),
            QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("translations"))};
}

QtTranslations::QtTranslations(Language& language, QStringList folders, QObject* parent)
    : QObject(parent) {
    const Catalogue& catalogue = Catalogue::Program();
    for (const LanguageInfo& info : catalogue.languages()) {
        std::unique_ptr<QTranslator> found;
        // English is Qt's own language: there is nothing to load for it.
        if (catalogue.ByCode(info.code) != UiLanguage::English) {
            const QString name = QStringLiteral("qtbase_") + QString::fromStdString(info.code);
            auto translator = std::make_unique<QTranslator>();
            for (const QString& folder : folders) {
                if (translator->load(name, folder)) {
                    found = std::move(translator);
                    break;
                }
            }
        }
        qtCatalogues_.push_back(std::move(found));
    }
    connect(&language, &Language::Changed, this, [this](UiLanguage now) { Follow(now); });
    Follow(language.current());
}

QtTranslations::~QtTranslations() {
    Uninstall();
}

QTranslator* QtTranslations::QtCatalogue(UiLanguage language) const {
    const auto index = static_cast<std::size_t>(language);
    return index < qtCatalogues_.size() ? qtCatalogues_[index].get() : nullptr;
}

void QtTranslations::Follow(UiLanguage language) {
    std::vector<QTranslator*> wanted;
    for (QTranslator* translator :
         {QtCatalogue(language), Catalogue::Program().Translator(language)}) {
        if (translator != nullptr) {
            wanted.push_back(translator);
        }
    }
    if (wanted == installed_) {
        return;
    }
    // Every install or removal makes Qt send every widget a language-change event, so Qt's
    // texts on screen follow at once.
    Uninstall();
    for (QTranslator* translator : wanted) {
        if (QCoreApplication::installTranslator(translator)) {
            installed_.push_back(translator);
        }
    }
}

void QtTranslations::Uninstall() {
    for (QTranslator* translator : installed_) {
        QCoreApplication::removeTranslator(translator);
    }
    installed_.clear();
}

}  // namespace corva::shell
