// A visible text as a catalogue entry: its context, its English source text (the key) and, where
// one English text translates in two ways, a disambiguation; with the texts and values that fill
// its %1, %2, ... places. The engine builds these; a front end renders them in the language the
// user chose through the program's translation catalogues.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace corva {

// Index into the program's list of languages (catalogue/Catalogue.h). English and Chinese keep the
// values stored settings and callers rely on; further languages follow the catalogue list.
enum class UiLanguage : int { English = 0, Chinese = 1 };

class UiText {
public:
    UiText() = default;

    // A catalogue entry. The strings are the program's own literals.
    static UiText Entry(const char* context, const char* source, const char* disambiguation = "") {
        UiText text;
        text.context_ = context;
        text.source_ = source;
        text.disambiguation_ = disambiguation;
        return text;
    }
    // Shown as it stands in every language: names, numbers, paths, outside text.
    static UiText Literal(std::string text) {
        UiText literal;
        literal.source_ = std::move(text);
        return literal;
    }

    // Fills the next %N place.
    UiText Arg(UiText text) const& {
        UiText filled = *this;
        filled.arguments_.push_back(std::move(text));
        return filled;
    }
    UiText Arg(UiText text) && {
        arguments_.push_back(std::move(text));
        return std::move(*this);
    }
    UiText Arg(std::string literal) const& { return Arg(Literal(std::move(literal))); }
    UiText Arg(std::string literal) && { return std::move(*this).Arg(Literal(std::move(literal))); }
    UiText Arg(const char* literal) const& { return Arg(Literal(literal)); }
    UiText Arg(const char* literal) && { return std::move(*this).Arg(Literal(literal)); }

    // The text in `language`, UTF-8. Defined with the catalogues (catalogue/Catalogue.cpp).
    std::string In(UiLanguage language) const;

    bool empty() const { return source_.empty() && arguments_.empty(); }
    bool literal() const { return context_.empty(); }
    const std::string& context() const { return context_; }
    const std::string& source() const { return source_; }
    const std::string& disambiguation() const { return disambiguation_; }
    const std::vector<UiText>& arguments() const { return arguments_; }

    bool operator==(const UiText&) const = default;

private:
    std::string context_;
    std::string source_;
    std::string disambiguation_;
    std::vector<UiText> arguments_;
};

// A catalogue entry; the name lets the catalogue tools find every text in the sources.
inline UiText Tr(const char* context, const char* source, const char* disambiguation = "") {
    return UiText::Entry(context, source, disambiguation);
}

}  // namespace corva
