// Status messages shared by the real links: a failure in both languages, with the system's own
// explanation appended where there is one.
#pragma once

#include <string>

#include <QString>

#include "core/Status.h"

namespace corva {

inline Status LinkFailure(std::string english, std::string chinese, const QString& detail = {}) {
    if (!detail.isEmpty()) {
        const std::string text = detail.toStdString();
        english += ": " + text;
        chinese += "：" + text;
    }
    return Status::Fail(UiText{std::move(english), std::move(chinese)});
}

inline Status LinkNotOpen(const std::string& description) {
    return LinkFailure(description + " is not open", description + " 未打开");
}

}  // namespace corva
