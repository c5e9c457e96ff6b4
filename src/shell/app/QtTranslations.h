// Qt's own texts (the standard buttons of message boxes and button boxes, the line edit's
// context menu, the file dialogs) in the interface language: Qt's Chinese catalogue is
// installed while the interface speaks Chinese and removed while it speaks English. Without
// the catalogue on this machine Qt's texts simply stay English.
#pragma once

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
    bool chineseAvailable() const { return chineseLoaded_; }

private:
    void Follow(UiLanguage language);

    QTranslator chinese_;
    bool chineseLoaded_ = false;
    bool installed_ = false;
};

}  // namespace corva::shell
