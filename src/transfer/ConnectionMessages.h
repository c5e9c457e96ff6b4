// The texts the connection machinery gives the front end to show.
#pragma once

#include <optional>
#include <string>

#include "core/UiText.h"
#include "protocol/Link.h"

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
UserMessage NoConnectionMessage();
UserMessage ConnectFailedMessage();  // a free device that would not open
UserMessage NeedsFirmwareMessage();
// The processor's major version differs from the program's.
UserMessage VersionMessage(char softwareMajor, char deviceMajor);

}  // namespace corva
