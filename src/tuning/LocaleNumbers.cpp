#include "tuning/LocaleNumbers.h"

#include <cctype>
#include <string>

#include "tuning/TextLines.h"

namespace corva::tuning {
namespace {

bool IsDigit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

// The written forms of a no-break space between digit groups: U+00A0 and U+202F in UTF-8,
// and a lone 0xA0 from a Latin-1 writer.
std::size_t NoBreakSpaceAt(std::string_view text, std::size_t i) {
    if (text.substr(i, 2) == "\xC2\xA0") {
        return 2;
    }
    if (text.substr(i, 3) == "\xE2\x80\xAF") {
        return 3;
    }
    return static_cast<unsigned char>(text[i]) == 0xA0 ? 1 : 0;
}

// The mantissa split into its pieces: digit runs and the marks between them.
struct Shape {
    std::string digitsAndMarks;  // digits kept, every mark as ',', '.' or ' '
    std::string exponent;        // "e-3" or empty
    bool valid = false;
};

Shape ShapeOf(std::string_view word) {
    Shape shape;
    std::size_t i = 0;
    if (i < word.size() && (word[i] == '-' || word[i] == '+')) {
        shape.digitsAndMarks += word[i] == '-' ? "-" : "";
        ++i;
    }
    bool anyDigit = false;
    while (i < word.size()) {
        const char c = word[i];
        if (IsDigit(c)) {
            anyDigit = true;
            shape.digitsAndMarks += c;
            ++i;
        } else if (c == '.' || c == ',') {
            shape.digitsAndMarks += c;
            ++i;
        } else if (const std::size_t n = NoBreakSpaceAt(word, i); n > 0) {
            shape.digitsAndMarks += ' ';
            i += n;
        } else if (c == 'e' || c == 'E') {
            shape.exponent = std::string(word.substr(i));
            break;
        } else {
            return shape;
        }
    }
    if (!shape.exponent.empty()) {
        const std::string_view digits =
            std::string_view(shape.exponent)
                .substr(shape.exponent.size() > 1 &&
                                (shape.exponent[1] == '-' || shape.exponent[1] == '+')
                            ? 2
                            : 1);
        if (digits.empty()) {
            return shape;
        }
        for (const char c : digits) {
            if (!IsDigit(c)) {
                return shape;
            }
        }
    }
    shape.valid = anyDigit;
    return shape;
}

// "1.000", "12,345,678": one to three digits, then groups of exactly three after `mark`.
bool IsGrouped(std::string_view body, char mark) {
    if (body.starts_with('-')) {
        body.remove_prefix(1);
    }
    std::size_t run = 0;
    bool first = true;
    bool sawMark = false;
    for (const char c : body) {
        if (IsDigit(c)) {
            ++run;
        } else if (c == mark) {
            if ((first && (run < 1 || run > 3)) || (!first && run != 3)) {
                return false;
            }
            first = false;
            sawMark = true;
            run = 0;
        } else {
            return false;
        }
    }
    return sawMark && run == 3;
}

// Reads `body` with `decimal` as the decimal mark and every other mark grouping thousands
// (one to three digits first, then groups of exactly three, all before the decimal mark).
std::optional<double> Read(const Shape& shape, char decimal) {
    std::string plain;
    bool sawDecimal = false;
    bool sawGroup = false;
    std::size_t run = 0;
    for (const char c : shape.digitsAndMarks) {
        if (IsDigit(c)) {
            ++run;
            plain += c;
        } else if (c == decimal) {
            if (sawDecimal || (sawGroup && run != 3)) {
                return std::nullopt;
            }
            sawDecimal = true;
            run = 0;
            plain += '.';
        } else if (c == '.' || c == ',' || c == ' ') {
            if (sawDecimal || run == 0 || run > 3 || (sawGroup && run != 3)) {
                return std::nullopt;
            }
            sawGroup = true;
            run = 0;
        } else {
            plain += c;  // the sign
        }
    }
    if (sawGroup && !sawDecimal && run != 3) {
        return std::nullopt;
    }
    return ParseDecimal(plain + shape.exponent);
}

DecimalMark EvidenceOf(std::string_view word) {
    // Units written onto the number ("100Hz", "-3dB") say nothing about the mark.
    while (!word.empty() && std::isalpha(static_cast<unsigned char>(word.back())) != 0 &&
           word.back() != 'e' && word.back() != 'E') {
        word.remove_suffix(1);
    }
    const Shape shape = ShapeOf(word);
    if (!shape.valid) {
        return DecimalMark::Unknown;
    }
    const std::string& body = shape.digitsAndMarks;
    const auto point = body.rfind('.');
    const auto comma = body.rfind(',');
    if (point != std::string::npos && comma != std::string::npos) {
        return point > comma ? DecimalMark::Point : DecimalMark::Comma;  // the last one
    }
    if (point != std::string::npos && !IsGrouped(body, '.')) {
        return DecimalMark::Point;
    }
    if (comma != std::string::npos && !IsGrouped(body, ',')) {
        return DecimalMark::Comma;
    }
    return DecimalMark::Unknown;
}

}  // namespace

DecimalMark DecimalMarkOf(const std::vector<std::string_view>& words) {
    bool point = false;
    bool comma = false;
    for (const auto word : words) {
        const DecimalMark mark = EvidenceOf(word);
        point = point || mark == DecimalMark::Point;
        comma = comma || mark == DecimalMark::Comma;
    }
    if (point && comma) {
        return DecimalMark::Mixed;
    }
    return point ? DecimalMark::Point : (comma ? DecimalMark::Comma : DecimalMark::Unknown);
}

DecimalMark Combined(DecimalMark line, DecimalMark file) {
    return line == DecimalMark::Point || line == DecimalMark::Comma ? line : file;
}

LocaleNumber ParseLocaleNumber(std::string_view word, DecimalMark mark) {
    const Shape shape = ShapeOf(word);
    if (!shape.valid) {
        return {};
    }
    const std::string& body = shape.digitsAndMarks;
    const bool hasPoint = body.find('.') != std::string::npos;
    const bool hasComma = body.find(',') != std::string::npos;
    // A number that shows both marks says which one is decimal: the last.
    if (hasPoint && hasComma) {
        return {Read(shape, body.rfind('.') > body.rfind(',') ? '.' : ','), false};
    }
    const bool groupedComma = hasComma && IsGrouped(body, ',');
    switch (mark) {
        case DecimalMark::Point:
            return {Read(shape, '.'), false};
        case DecimalMark::Comma:
            return {Read(shape, ','), false};
        case DecimalMark::Unknown:
            if (groupedComma) {
                return {std::nullopt, true};
            }
            return {Read(shape, hasComma ? ',' : '.'), false};
        case DecimalMark::Mixed:
            // Both marks serve as decimals here, so neither groups thousands.
            return {Read(shape, hasComma ? ',' : '.'), false};
    }
    return {};
}

}  // namespace corva::tuning
