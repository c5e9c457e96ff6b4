// Every text the shell shows, as English/Chinese pairs, in one place.
#pragma once

#include "core/UiText.h"

namespace corva::shell::text {

// The program's name: the main window's caption and the caption of its message boxes.
inline const UiText kWindowTitle{"Corva DSP", "Corva DSP"};
inline const UiText kPromptCaption{"Corva DSP", "提示"};
inline constexpr const char* kSoftwareVersion = "VIRE-RI1.02";

// Top bar.
inline const UiText kConnect{"Connect", "连接"};
inline const UiText kDisconnect{"Disconnect", "断开连接"};
inline const UiText kSettings{"Settings", "设置"};
inline const UiText kSave{"Save", "保存"};
inline const UiText kOpen{"Open", "打开"};
inline const UiText kMore{"More", "更多"};
inline const UiText kMinimise{"Minimise", "最小化"};
inline const UiText kClose{"Close", "关闭"};
inline const UiText kNotConnected{"Not connected", "未连接"};
inline const UiText kReading{"Reading the processor", "正在读取设备"};
inline const UiText kOnline{"Processor connected", "设备已连接"};
inline const UiText kUpdatingFirmware{"Updating the firmware", "正在更新固件"};

// The connection chooser beside the connect button, and its address dialogs.
inline const UiText kConnectionChooser{"Connection", "连接方式"};
inline const UiText kConnectionChooserTip{"Connect over USB, the network or a serial line",
                                          "通过 USB、网络或串口连接"};
inline const UiText kNetworkEntry{"Network...", "网络..."};
inline const UiText kSerialEntry{"Serial port...", "串口..."};
inline const UiText kDemoEntry{"Demo processor", "演示处理器"};
inline const UiText kNetworkTitle{"Network connection", "网络连接"};
inline const UiText kNetworkPrompt{"Address (HOST or HOST:PORT):", "地址（主机 或 主机:端口）："};
inline const UiText kNetworkFieldTip{
    "The processor's network address; the port is 8989 unless given",
    "设备的网络地址；未写端口时为 8989"};
inline const UiText kSerialTitle{"Serial connection", "串口连接"};
inline const UiText kSerialPrompt{"Serial port name:", "串口名称："};
inline const UiText kSerialFieldTip{
    "The serial port the processor is on, such as COM3 or /dev/ttyUSB0",
    "设备所在的串口，例如 COM3 或 /dev/ttyUSB0"};
inline const UiText kAddressConnect{"Connect", "连接"};
inline const UiText kAddressConnectTip{"Connect to this address", "连接到此地址"};
inline const UiText kAddressCancel{"Cancel", "取消"};
inline const UiText kAddressCancelTip{"Close without connecting", "关闭，不连接"};
inline const UiText kBadNetworkAddress{
    "Enter the address as HOST or HOST:PORT, with a port from 1 to 65535.",
    "请按 主机 或 主机:端口 输入地址，端口为 1 到 65535。"};
inline const UiText kEmptySerialPort{"Enter the name of a serial port.", "请输入串口名称。"};

// Commands the standard layout has no control for; offered in the "More" menu.
inline const UiText kProgramDialog{"Presets in the processor...", "设备中的音效..."};
inline const UiText kMusicFiles{"Music files...", "音乐文件..."};
inline const UiText kModeFiles{"Mode files...", "模式文件..."};
inline const UiText kParameterReport{"Parameter report...", "参数报表..."};
inline const UiText kProtectUnlock{"Protect or unlock...", "加密或解锁..."};

// Page area.
inline const UiText kPageAreaTitle{"Full interface page", "完整界面"};
inline const UiText kPageAreaHint{"Equaliser, crossover, delay and channel pages appear here.",
                                  "均衡、分频、延时和通道页面将显示在这里。"};

// Settings panel.
inline const UiText kSettingTab{"Setting", "设置"};
inline const UiText kUpgradeTab{"Upgrade", "升级"};
inline const UiText kAboutTab{"About", "关于"};
inline const UiText kLanguage{"Language", "语言"};
inline const UiText kChineseName{"中文", "中文"};
inline const UiText kEnglishName{"English", "English"};
inline const UiText kFactorySettings{"Factory settings", "出厂设置"};
inline const UiText kRestore{"Restore", "恢复"};
inline const UiText kFactoryResetQuestion{"Restore factory settings,Yes or No?",
                                          "是否恢复出厂设置?"};
inline const UiText kFirmwareFile{"Firmware file", "固件文件"};
inline const UiText kBrowse{"Browse", "浏览"};
inline const UiText kUpdate{"Update", "更新"};
inline const UiText kSelectUpgradeFile{"Please select upgrade file!", "请选择升级文件！"};
// Firmware updates: asked first, and after one the processor is offered again.
inline const UiText kFirmwareQuestionStart{"Update the processor's firmware from ",
                                           "用以下文件更新处理器固件："};
inline const UiText kFirmwareQuestionVersion{"The processor runs version ", "处理器当前版本："};
inline const UiText kFirmwareVersionUnknown{
    "The processor's version is not known: it is not connected.", "处理器版本未知：未连接。"};
inline const UiText kFirmwareQuestionEnd{
    "Do not unplug it or switch it off until the update has finished. Go on?",
    "更新完成前请勿拔出或关闭处理器。继续吗？"};
inline const UiText kFirmwareNotFinished{"The update did not finish.", "更新未完成。"};
inline const UiText kReconnectQuestion{
    "The processor restarts with its new firmware. Connect to it again now?",
    "处理器将以新固件重新启动。现在重新连接吗？"};
inline const UiText kConnectingUsb{"Connected Usb", "连接Usb"};
inline const UiText kDeviceVersion{"Device version: ", "设备版本: "};
inline const UiText kSoftwareVersionLabel{"Software version: ", "软件版本: "};

// Progress window.
inline const UiText kTransferTitle{"Data transmission", "数据传输"};
inline const UiText kTransferRunning{"Data processing. Please wait", "数据处理中……请稍候"};
inline const UiText kTransferEnded{"End of data transmission", "数据传输结束"};

}  // namespace corva::shell::text
