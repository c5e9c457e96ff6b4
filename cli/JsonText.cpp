#include "JsonText.h"

#include <cstdio>

namespace corva::cli {

std::string JsonText::Quote(const std::string& text) {
    std::string quoted = "\"";
    for (const char c : text) {
        switch (c) {
            case '"':
                quoted += "\\\"";
                break;
            case '\\':
                quoted += "\\\\";
                break;
            case '\n':
                quoted += "\\n";
                break;
            case '\t':
                quoted += "\\t";
                break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    char escaped[8];
                    std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
                    quoted += escaped;
                } else {
                    quoted += c;
                }
        }
    }
    return quoted + "\"";
}

void JsonText::Key(const std::string& key) {
    if (!body_.empty()) {
        body_ += ",";
    }
    body_ += Quote(key) + ":";
}

void JsonText::Field(const std::string& key, const std::string& value) {
    Key(key);
    body_ += Quote(value);
}

void JsonText::Field(const std::string& key, int value) {
    Key(key);
    body_ += std::to_string(value);
}

void JsonText::Field(const std::string& key, bool value) {
    Key(key);
    body_ += value ? "true" : "false";
}

void JsonText::Array(const std::string& key, const std::vector<std::string>& values) {
    Key(key);
    body_ += "[";
    for (std::size_t i = 0; i < values.size(); ++i) {
        body_ += (i ? "," : "") + Quote(values[i]);
    }
    body_ += "]";
}

void JsonText::Array(const std::string& key, const std::vector<int>& values) {
    Key(key);
    body_ += "[";
    for (std::size_t i = 0; i < values.size(); ++i) {
        body_ += (i ? "," : "") + std::to_string(values[i]);
    }
    body_ += "]";
}

void JsonText::ArrayOfArrays(const std::string& key, int count,
                             const std::function<std::vector<int>(int)>& row) {
    Key(key);
    body_ += "[";
    for (int i = 0; i < count; ++i) {
        body_ += i ? ",[" : "[";
        const std::vector<int> values = row(i);
        for (std::size_t v = 0; v < values.size(); ++v) {
            body_ += (v ? "," : "") + std::to_string(values[v]);
        }
        body_ += "]";
    }
    body_ += "]";
}

void JsonText::TextArrays(const std::string& key,
                          const std::vector<std::vector<std::string>>& rows) {
    Key(key);
    body_ += "[";
    for (std::size_t r = 0; r < rows.size(); ++r) {
        body_ += r ? ",[" : "[";
        for (std::size_t c = 0; c < rows[r].size(); ++c) {
            body_ += (c ? "," : "") + Quote(rows[r][c]);
        }
        body_ += "]";
    }
    body_ += "]";
}

void JsonText::Object(const std::string& key, const std::function<void(JsonText&)>& fill) {
    JsonText inner;
    fill(inner);
    Key(key);
    body_ += inner.Text();
}

void JsonText::ObjectArray(const std::string& key, int count,
                           const std::function<void(JsonText&, int)>& fill) {
    Key(key);
    body_ += "[";
    for (int i = 0; i < count; ++i) {
        JsonText inner;
        fill(inner, i);
        body_ += (i ? "," : "") + inner.Text();
    }
    body_ += "]";
}

}  // namespace corva::cli
