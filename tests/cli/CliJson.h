// Reading the command line's --json output in assertions.
#pragma once

#include <cjson/cJSON.h>

#include <string>

namespace corva::test {

class JsonDocument {
public:
    explicit JsonDocument(const std::string& text) : root_{cJSON_Parse(text.c_str())} {}
    ~JsonDocument() { cJSON_Delete(root_); }
    JsonDocument(const JsonDocument&) = delete;
    JsonDocument& operator=(const JsonDocument&) = delete;

    bool ok() const { return root_ != nullptr; }
    const cJSON* root() const { return root_; }

private:
    cJSON* root_;
};

inline const cJSON* Member(const cJSON* object, const char* key) {
    return object ? cJSON_GetObjectItemCaseSensitive(object, key) : nullptr;
}

inline const cJSON* Item(const cJSON* array, int index) {
    return array ? cJSON_GetArrayItem(array, index) : nullptr;
}

inline int IntOf(const cJSON* object, const char* key, int missing = -99999) {
    const cJSON* value = Member(object, key);
    return cJSON_IsNumber(value) ? value->valueint : missing;
}

inline std::string TextOf(const cJSON* object, const char* key) {
    const cJSON* value = Member(object, key);
    return cJSON_IsString(value) ? value->valuestring : "<missing>";
}

inline bool BoolOf(const cJSON* object, const char* key) {
    return cJSON_IsTrue(Member(object, key));
}

inline int SizeOf(const cJSON* array) {
    return array ? cJSON_GetArraySize(array) : -1;
}

// Channel `c` (0-based) of an info or show object.
inline const cJSON* Channel(const JsonDocument& document, int c) {
    return Item(Member(document.root(), "channels"), c);
}

}  // namespace corva::test
