#include "catalogue/Catalogue.h"

#include <algorithm>

#include <QDir>
#include <QFileInfo>

namespace corva {

namespace {

// The build's list: code, settings value and own name of every language, English first.
const LanguageInfo kBuiltLanguages[] = {
#include "CatalogueLanguages.inc"
};

constexpr const char* kCatalogueFolder = ":/i18n";
constexpr const char* kCataloguePrefix = "corva_";

QString CataloguePath(const std::string& code) {
    return QString::fromLatin1(kCatalogueFolder) + '/' + QString::fromLatin1(kCataloguePrefix) +
           QString::fromStdString(code) + QStringLiteral(".qm");
}

}  // namespace

const Catalogue& Catalogue::Program() {
    static const Catalogue catalogue;
    return catalogue;
}

Catalogue::Catalogue() {
    languages_.assign(std::begin(kBuiltLanguages), std::end(kBuiltLanguages));
    const QStringList found =
        QDir(QString::fromLatin1(kCatalogueFolder))
            .entryList({QString::fromLatin1(kCataloguePrefix) + QStringLiteral("*.qm")},
                       QDir::Files, QDir::Name);
    for (const QString& file : found) {
        const std::string code =
            QFileInfo(file)
                .completeBaseName()
                .mid(static_cast<qsizetype>(std::char_traits<char>::length(kCataloguePrefix)))
                .toStdString();
        if (!ByCode(code)) {
            languages_.push_back({code, code, code});
        }
    }
    for (const LanguageInfo& language : languages_) {
        auto translator = std::make_unique<QTranslator>();
        if (language.code == kBuiltLanguages[0].code ||
            !translator->load(CataloguePath(language.code))) {
            translator.reset();
        }
        translators_.push_back(std::move(translator));
    }
}

const LanguageInfo& Catalogue::Info(UiLanguage language) const {
    const auto index = static_cast<std::size_t>(language);
    return index < languages_.size() ? languages_[index] : languages_.front();
}

std::optional<UiLanguage> Catalogue::ByCode(std::string_view code) const {
    for (std::size_t i = 0; i < languages_.size(); ++i) {
        if (languages_[i].code == code) {
            return static_cast<UiLanguage>(i);
        }
    }
    return std::nullopt;
}

std::optional<UiLanguage> Catalogue::ByStoredName(std::string_view storedName) const {
    for (std::size_t i = 0; i < languages_.size(); ++i) {
        if (languages_[i].storedName == storedName) {
            return static_cast<UiLanguage>(i);
        }
    }
    return std::nullopt;
}

UiLanguage Catalogue::Next(UiLanguage language) const {
    const auto index = static_cast<std::size_t>(language) + 1;
    return static_cast<UiLanguage>(index < languages_.size() ? index : 0);
}

QTranslator* Catalogue::Translator(UiLanguage language) const {
    const auto index = static_cast<std::size_t>(language);
    return index < translators_.size() ? translators_[index].get() : nullptr;
}

std::optional<std::string> Catalogue::Translate(UiLanguage language, const std::string& context,
                                                const std::string& source,
                                                const std::string& disambiguation) const {
    const QTranslator* translator = Translator(language);
    if (translator == nullptr) {
        return std::nullopt;
    }
    QString found;
    {
        const std::lock_guard lock(lookup_);
        found = translator->translate(context.c_str(), source.c_str(),
                                      disambiguation.empty() ? nullptr : disambiguation.c_str());
    }
    if (found.isEmpty()) {
        return std::nullopt;
    }
    return found.toStdString();
}

std::string FillPlaces(const std::string& pattern, const std::vector<std::string>& values) {
    std::string out;
    out.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (c == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9') {
            std::size_t number = static_cast<std::size_t>(pattern[i + 1] - '0');
            std::size_t end = i + 2;
            if (end < pattern.size() && pattern[end] >= '0' && pattern[end] <= '9' &&
                number * 10 + static_cast<std::size_t>(pattern[end] - '0') <= values.size()) {
                number = number * 10 + static_cast<std::size_t>(pattern[end] - '0');
                ++end;
            }
            if (number <= values.size()) {
                out += values[number - 1];
                i = end - 1;
                continue;
            }
        }
        out += c;
    }
    return out;
}

std::string UiText::In(UiLanguage language) const {
    std::string pattern = source_;
    if (!context_.empty()) {
        if (auto translated =
                Catalogue::Program().Translate(language, context_, source_, disambiguation_)) {
            pattern = std::move(*translated);
        }
    }
    if (arguments_.empty()) {
        return pattern;
    }
    std::vector<std::string> values;
    values.reserve(arguments_.size());
    for (const UiText& argument : arguments_) {
        values.push_back(argument.In(language));
    }
    return FillPlaces(pattern, values);
}

}  // namespace corva
