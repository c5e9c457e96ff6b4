// A visible text in both languages; the front end picks one by the language setting.
#pragma once

#include <string>

namespace corva {

enum class UiLanguage { English = 0, Chinese = 1 };

struct UiText {
    std::string english;  // UTF-8
    std::string chinese;  // UTF-8

    const std::string& In(UiLanguage language) const {
        return language == UiLanguage::Chinese ? chinese : english;
    }
    bool operator==(const UiText&) const = default;
};

}  // namespace corva
