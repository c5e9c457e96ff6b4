// A text as the user reads it in English and in Chinese: tests compare what the catalogue
// renders, not how a text was put together.
#pragma once

#include <ostream>
#include <string>

#include "core/UiText.h"

namespace corva::test {

struct BothLanguages {
    std::string english;
    std::string chinese;

    bool operator==(const BothLanguages&) const = default;
};

inline BothLanguages Rendered(const UiText& text) {
    return {text.In(UiLanguage::English), text.In(UiLanguage::Chinese)};
}

inline std::ostream& operator<<(std::ostream& out, const BothLanguages& text) {
    return out << '"' << text.english << "\" / \"" << text.chinese << '"';
}

}  // namespace corva::test
