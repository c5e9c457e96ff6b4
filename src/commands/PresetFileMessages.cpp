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

namespace {
// Said after every offline open: what the program holds now and what happens to it.
const UiText kOfflineTail{
    " The processor was not changed: none is connected. Save the tuning to a file to keep it; "
    "connecting a processor replaces it with the processor's own tuning.",
    "处理器未改变：未连接处理器。请将音效保存到文件以保留；连接处理器后将以处理器自己的音效替换。"};
}  // namespace

UserMessage SingleLoadedOfflineMessage() {
    return Box({"The preset file was loaded into the program." + kOfflineTail.english,
                "预置文件已载入程序。" + kOfflineTail.chinese});
}

UserMessage CompleteLoadedOfflineMessage() {
    return Box({"The complete file (live tuning and all 15 presets) was loaded into the program." +
                    kOfflineTail.english,
                "全部音效文件（当前音效和全部15组预置）已载入程序。" + kOfflineTail.chinese});
}

UserMessage CapitalExtensionMessage(const std::string& name) {
    return Box({name + " was not opened: its extension is in capitals. Rename it to end in .qvms "
                       "or .qvma (small letters) and open it again.",
                name + " 未打开：扩展名为大写。请改名为以 .qvms 或 .qvma（小写）结尾后再打开。"});
}

}  // namespace corva
