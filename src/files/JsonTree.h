// A parsed or built cJSON tree that frees itself.
#pragma once

#include <memory>

#include <cJSON.h>

namespace corva {

struct JsonTreeDeleter {
    void operator()(cJSON* tree) const { cJSON_Delete(tree); }
};
using JsonTree = std::unique_ptr<cJSON, JsonTreeDeleter>;

}  // namespace corva
