// The interface language for texts Qt looks up itself: Qt's own catalogue (the standard buttons
// of message boxes and button boxes, the line edit's context menu, the file dialogs) and the
// program's catalogue for tr(). While the interface speaks a language other than English both
// are installed into the application; a switch replaces them. Without Qt's catalogue of a
// language on this machine Qt's texts simply stay English.
#pragma once

#include <memory>
#include <vector>

#include <QObject>
#include <QStringList>
#include <QTranslator>

#include "core/UiText.h"

namespace corva::shell {

class Language;

// Where Qt's catalogues are looked for: Qt's own translations folder, then a "translations"
// folder beside the program (where an installer puts them).
QStringList QtCatalogueFolders();

class QtTranslations final : public QObject {
    Q_OBJECT

public:
    // Follows `language` now and after every switch.
    explicit QtTranslations(Language& language, QStringList folders = QtCatalogueFolders(),
                            QObject* parent = nullptr);
    ~QtTranslations() override;

    // True when Qt's Chinese catalogue was found.
    bool chineseAvailable() const { return QtCatalogue(UiLanguage::Chinese) != nullptr; }

private:
    QTranslator* QtCatalogue(UiLanguage language) const;
    void Follow(UiLanguage language);
    void Uninstall();

    std::vector<std::unique_ptr<QTranslator>> qtCatalogues_;  // per language, null if not found
    std::vector<QTranslator*> installed_;
};

}  // namespace corva::shell
