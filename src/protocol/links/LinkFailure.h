// Status messages shared by the real links: what failed, with the system's own explanation
// appended where there is one.
#pragma once

#include <string>

#include <QString>

#include "core/Status.h"

namespace corva {

inline Status LinkFailure(UiText what, const QString& detail = {}) {
    if (detail.isEmpty()) {
        return Status::Fail(std::move(what));
    }
    return Status::Fail(Tr("Connection", "%1: %2").Arg(std::move(what)).Arg(detail.toStdString()));
}

inline Status LinkNotOpen(const std::string& description) {
    return LinkFailure(Tr("Connection", "%1 is not open").Arg(description));
}

}  // namespace corva
