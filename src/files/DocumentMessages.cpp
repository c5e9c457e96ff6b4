#include "files/DocumentMessages.h"

#include <string>

namespace corva {

UiText MusicFileStoreError() {
    return {"Save MusicFile Error!", "保存音乐文件错误!"};
}

UiText MusicFileReadError() {
    return {"Read MusicFile  Error", "读音乐文件错误!"};
}

UiText MusicFileIncomplete() {
    return {"The music file is incomplete or damaged; nothing was loaded.",
            "音乐文件不完整或已损坏,未载入任何数据。"};
}

UiText ModeFileStoreError() {
    return {"Save Mode File Error!", "保存模式文件错误!"};
}

UiText ModeFileReadError() {
    return {"Read Mode File  Error", "读模式文件错误!"};
}

UiText ModeFileIncomplete() {
    return {"The mode file is incomplete or damaged; nothing was changed.",
            "模式文件不完整或已损坏,未作任何更改。"};
}

UiText ModeFilePositionInvalid(int position) {
    const std::string number = std::to_string(position);
    return {"The mode file names listening position " + number +
                ", but only positions 0 to 3 exist; nothing was changed.",
            "模式文件中的听音位置 " + number + " 无效(只有 0 到 3),未作任何更改。"};
}

}  // namespace corva
