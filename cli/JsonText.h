// A small JSON writer for the command line's --json output: one object, fields in the order
// they are added, strings escaped.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace corva::cli {

class JsonText {
public:
    void Field(const std::string& key, const std::string& value);
    void Field(const std::string& key, const char* value) { Field(key, std::string(value)); }
    void Field(const std::string& key, int value);
    void Field(const std::string& key, bool value);
    void Array(const std::string& key, const std::vector<std::string>& values);
    void Array(const std::string& key, const std::vector<int>& values);
    void Object(const std::string& key, const std::function<void(JsonText&)>& fill);
    void ObjectArray(const std::string& key, int count,
                     const std::function<void(JsonText&, int)>& fill);
    void ArrayOfArrays(const std::string& key, int count,
                       const std::function<std::vector<int>(int)>& row);
    void TextArrays(const std::string& key, const std::vector<std::vector<std::string>>& rows);
    std::string Text() const { return "{" + body_ + "}"; }

    static std::string Quote(const std::string& text);

private:
    void Key(const std::string& key);
    std::string body_;
};

}  // namespace corva::cli
