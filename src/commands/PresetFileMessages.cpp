#include "commands/PresetFileMessages.h"

namespace corva {
namespace {

UserMessage Box(UiText text) {
    return {std::move(text), MessageStyle::Plain, {}};
}

}  // namespace

UserMessage SaveSingleFailedMessage() {
    return Box({"Save MusicFile Error!", "保存音乐文件错误!"});
}

UserMessage SaveNamedSucceededMessage() {
    return Box({"Save music file successfully!", "成功保存音效文件！"});
}

UserMessage SaveNamedFailedMessage() {
    return Box({"Save MusicFile Error!", "保存音效文件错误 !"});
}

UserMessage EnterNameMessage() {
    return {{"Please enter a name for the scene!", "请输入音效名!"}, MessageStyle::Timed, {}};
}

UiText EnterNameCaption() {
    return {"prompt", "提示"};
}

UserMessage BlankNameMessage() {
    return Box({"The machine sound name can not be all spaces!", "机器预置音效名不能全为空格!"});
}

UserMessage SaveAllFailedMessage() {
    return Box({"save all MusicFile Error!", "保存所有音乐文件错误!"});
}

UserMessage ReadSingleFailedMessage() {
    return Box({"Read MusicFile  Error", "读音乐文件错误!"});
}

UserMessage ReadCompleteFailedMessage() {
    return Box({"Read all MusicFile Error", "读所有音乐文件错误!"});
}

}  // namespace corva
