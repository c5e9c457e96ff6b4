// What one handled notice means for a front end, decided once in the engine so the window and
// the command-line tool end batches and firmware updates by the same rules.
#pragma once

#include <optional>

#include "transfer/ConnectionMessages.h"

namespace corva {

enum class UpdateEnd {
    None,       // no firmware update ended with this notice
    Succeeded,  // the processor acknowledged the last step; the link is closed
    Failed,     // the update ended with its link (failure, removal, no processor found)
};

struct NoticeOutcome {
    std::optional<UserMessage> message;  // to show, when there is one
    // A bulk transfer's last frame was answered: the front end calls
    // ConnectionController::EndBatch once Timing::batchDoneDelayMs has passed (or at once,
    // when nothing is on screen to settle).
    bool batchEnded = false;
    UpdateEnd updateEnd = UpdateEnd::None;
    // A bulk transfer's frame was answered: the progress index of the answered frame.
    std::optional<int> progressIndex;
};

}  // namespace corva
