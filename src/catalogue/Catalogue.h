// The program's translation catalogues: one Qt catalogue (.qm, compiled from a Linguist .ts file
// at build time and carried inside the program) per language besides English, whose texts are
// the catalogue keys. The list of languages is the build's; a catalogue found under the same
// resource folder but missing from the list (a translator's preview, a test's pseudo-language)
// is appended to it.
#pragma once

#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <QTranslator>

#include "core/UiText.h"

namespace corva {

struct LanguageInfo {
    std::string code;        // "en", "zh_CN": the catalogue's file name and Qt's locale name
    std::string storedName;  // the settings value, "English", "Chinese"
    std::string ownName;     // the language's name for itself, shown on the language switch
};

class Catalogue {
public:
    // The program's catalogues, loaded on first use and unchanged after.
    static const Catalogue& Program();

    const std::vector<LanguageInfo>& languages() const { return languages_; }
    const LanguageInfo& Info(UiLanguage language) const;
    std::optional<UiLanguage> ByCode(std::string_view code) const;
    std::optional<UiLanguage> ByStoredName(std::string_view storedName) const;
    // The next language in the list, after the last the first: the language switch.
    UiLanguage Next(UiLanguage language) const;

    // The catalogue's translation of one entry, or nothing (English, or not translated).
    std::optional<std::string> Translate(UiLanguage language, const std::string& context,
                                         const std::string& source,
                                         const std::string& disambiguation) const;
    // The translator of a language, for installing into the application (nothing for English).
    QTranslator* Translator(UiLanguage language) const;

private:
    Catalogue();

    std::vector<LanguageInfo> languages_;
    std::vector<std::unique_ptr<QTranslator>> translators_;  // one per language, null for English
    mutable std::mutex lookup_;                              // QTranslator is not thread-safe
};

// Fills %1 .. %99 in one pass, so that a filled value containing '%' is never filled again.
std::string FillPlaces(const std::string& pattern, const std::vector<std::string>& values);

}  // namespace corva
