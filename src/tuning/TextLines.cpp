#include "tuning/TextLines.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <fstream>

namespace corva::tuning {

TextFileRead ReadTuningText(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return {Status::Fail({"The file \"" + path + "\" cannot be opened.",
                              "无法打开文件“" + path + "”。"}),
                {}};
    }
    std::string text;
    char buffer[65536];
    while (file.read(buffer, sizeof buffer) || file.gcount() > 0) {
        text.append(buffer, static_cast<std::size_t>(file.gcount()));
        if (text.size() > kMaxTuningTextBytes) {
            return {Status::Fail({"The file \"" + path + "\" is too large (more than 8 MB).",
                                  "文件“" + path + "”太大（超过 8 MB）。"}),
                    {}};
        }
    }
    if (file.bad()) {
        return {Status::Fail(
                    {"The file \"" + path + "\" cannot be read.", "无法读取文件“" + path + "”。"}),
                {}};
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
    return {"Line " + number + ": " + message.english, "第 " + number + " 行：" + message.chinese};
}

}  // namespace corva::tuning
