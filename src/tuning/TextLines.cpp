#include "tuning/TextLines.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <fstream>

#include "core/RegularFile.h"
#include "core/TextExcerpt.h"

namespace corva::tuning {

namespace {

// Text the readers cannot take, named by its encoding: UTF-16 (a byte order mark, or the zero
// bytes of its ASCII characters) and line ends of CR alone.
std::optional<UiText> UnreadableEncoding(const std::string& path, std::string_view text) {
    const std::string shown = EscapedExcerpt(path, 200);
    const bool utf16 = text.starts_with("\xFF\xFE") || text.starts_with("\xFE\xFF") ||
                       text.find('\0') != std::string_view::npos;
    if (utf16) {
        return Tr("Measuring",
                  "The file \"%1\" is UTF-16 text (or holds zero bytes): save it as UTF-8 or "
                  "ASCII text.")
            .Arg(shown);
    }
    if (text.find('\r') != std::string_view::npos && text.find('\n') == std::string_view::npos) {
        return Tr("Measuring",
                  "The file \"%1\" ends its lines with CR alone (old Mac text): save it with LF "
                  "or CR LF line ends.")
            .Arg(shown);
    }
    return std::nullopt;
}

}  // namespace

TextFileRead ReadTuningText(const std::string& path) {
    if (!IsRegularOrMissing(path)) {
        return {Status::Fail(NotARegularFileMessage(path)), {}};
    }
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return {Status::Fail(Tr("Measuring", "The file \"%1\" cannot be opened.").Arg(path)), {}};
    }
    std::string text;
    char buffer[65536];
    while (file.read(buffer, sizeof buffer) || file.gcount() > 0) {
        text.append(buffer, static_cast<std::size_t>(file.gcount()));
        if (text.size() > kMaxTuningTextBytes) {
            return {
                Status::Fail(
                    Tr("Measuring", "The file \"%1\" is too large (more than 8 MB).").Arg(path)),
                {}};
        }
    }
    if (file.bad()) {
        return {Status::Fail(Tr("Measuring", "The file \"%1\" cannot be read.").Arg(path)), {}};
    }
    if (auto encoding = UnreadableEncoding(path, text)) {
        return {Status::Fail(*encoding), {}};
    }
    return {Status::Ok(), std::move(text)};
}

std::vector<std::string_view> SplitLines(std::string_view text) {
    if (text.starts_with("\xEF\xBB\xBF")) {
        text.remove_prefix(3);
    }
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const auto end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        lines.push_back(line);
        if (end == std::string_view::npos) {
            break;
        }
        text.remove_prefix(end + 1);
    }
    return lines;
}

std::string_view Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t\r\n");
    return text.substr(first, last - first + 1);
}

std::optional<double> ParseDecimal(std::string_view text) {
    if (text.empty() || text.size() > 64) {
        return std::nullopt;
    }
    std::string copy(text);
    if (copy.front() == '+') {
        copy.erase(0, 1);
        if (copy.empty() || copy.front() == '-' || copy.front() == '+') {
            return std::nullopt;
        }
    }
    for (char& c : copy) {
        if (c == ',') {
            c = '.';
        }
        // from_chars would read "inf", "nan" and hex digits as numbers.
        if (!(std::isdigit(static_cast<unsigned char>(c)) || c == '.' || c == '-' || c == '+' ||
              c == 'e' || c == 'E')) {
            return std::nullopt;
        }
    }
    double value = 0.0;
    const auto [end, error] = std::from_chars(copy.data(), copy.data() + copy.size(), value);
    if (error != std::errc{} || end != copy.data() + copy.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return true;
}

UiText LinePrefixed(int lineNumber, const UiText& message) {
    const std::string number = std::to_string(lineNumber);
    return Tr("Measuring", "Line %1: %2").Arg(number).Arg(message);
}

}  // namespace corva::tuning
