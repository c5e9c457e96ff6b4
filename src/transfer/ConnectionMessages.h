// The texts the connection machinery gives the front end to show.
#pragma once

#include <optional>
#include <string>

#include "core/UiText.h"
#include "protocol/Link.h"
#include "protocol/TransferLimits.h"

namespace corva {

enum class MessageStyle {
    Timed,  // closes itself after a second
    Plain,  // waits for the user
};

struct UserMessage {
    UiText text;
    MessageStyle style = MessageStyle::Plain;
    std::string detail;  // what failed and over which link, for logs and the command line
    UiText reason{};     // why it failed, as the engine found it; shown under the text
};

UserMessage ConnectionFailureMessage(LinkKind kind);
// A bulk transfer given up at one of its limits: the link's failure, and which transfer and
// which limit as the reason.
UserMessage TransferStoppedMessage(LinkKind kind, TransferKind transfer, TransferLimit limit);
UserMessage NoConnectionMessage();
UserMessage ConnectFailedMessage();  // a free device that would not open
UserMessage NeedsFirmwareMessage();
// The processor's major version differs from the program's.
UserMessage VersionMessage(char softwareMajor, char deviceMajor);

}  // namespace corva
