// Outcome of an operation that can fail for reasons outside the program (files, answers,
// typed text): either success, or a message for the user in both languages.
#pragma once

#include <utility>

#include "core/UiText.h"

namespace corva {

class [[nodiscard]] Status {
public:
    static Status Ok() { return Status{}; }
    static Status Fail(UiText message) { return Status{std::move(message)}; }

    bool ok() const { return ok_; }
    explicit operator bool() const { return ok_; }
    const UiText& message() const { return message_; }

private:
    Status() = default;
    explicit Status(UiText message) : ok_{false}, message_{std::move(message)} {}

    bool ok_ = true;
    UiText message_;
};

}  // namespace corva
