// Every text the shell shows, as catalogue entries, in one place.
#pragma once

#include "core/UiText.h"

namespace corva::shell::text {

// The program's name: the main window's caption and the caption of its message boxes.
inline const UiText kWindowTitle = UiText::Literal("Corva DSP");
inline const UiText kPromptCaption = Tr("Window", "Corva DSP");
inline constexpr const char* kSoftwareVersion = "VIRE-RI1.02";

// Top bar.
inline const UiText kConnect = Tr("Window", "Connect");
inline const UiText kDisconnect = Tr("Window", "Disconnect");
inline const UiText kSettings = Tr("Window", "Settings");
inline const UiText kSave = Tr("Window", "Save");
inline const UiText kOpen = Tr("Window", "Open");
inline const UiText kMore = Tr("Window", "More");
inline const UiText kMinimise = Tr("Window", "Minimise");
inline const UiText kClose = Tr("Window", "Close");
inline const UiText kNotConnected = Tr("Window", "Not connected");
inline const UiText kReading = Tr("Window", "Reading the processor");
inline const UiText kOnline = Tr("Window", "Processor connected");
inline const UiText kUpdatingFirmware = Tr("Window", "Updating the firmware");

// The connection chooser beside the connect button, and its address dialogs.
inline const UiText kConnectionChooser = Tr("Window", "Connection");
inline const UiText kConnectionChooserTip =
    Tr("Window", "Connect over USB, the network or a serial line");
inline const UiText kNetworkEntry = Tr("Window", "Network...");
inline const UiText kSerialEntry = Tr("Window", "Serial port...");
inline const UiText kDemoEntry = Tr("Window", "Demo processor");
inline const UiText kNetworkTitle = Tr("Window", "Network connection");
inline const UiText kNetworkPrompt = Tr("Window", "Address (HOST or HOST:PORT):");
inline const UiText kNetworkFieldTip =
    Tr("Window", "The processor's network address; the port is 8989 unless given");
inline const UiText kSerialTitle = Tr("Window", "Serial connection");
inline const UiText kSerialPrompt = Tr("Window", "Serial port name:");
inline const UiText kSerialFieldTip =
    Tr("Window", "The serial port the processor is on, such as COM3 or /dev/ttyUSB0");
inline const UiText kAddressConnect = Tr("Window", "Connect");
inline const UiText kAddressConnectTip = Tr("Window", "Connect to this address");
inline const UiText kAddressCancel = Tr("Window", "Cancel");
inline const UiText kAddressCancelTip = Tr("Window", "Close without connecting");
inline const UiText kBadNetworkAddress =
    Tr("Window", "Enter the address as HOST or HOST:PORT, with a port from 1 to 65535.");
inline const UiText kEmptySerialPort = Tr("Window", "Enter the name of a serial port.");

// Commands the standard layout has no control for; offered in the "More" menu.
inline const UiText kProgramDialog = Tr("Window", "Presets in the processor...");
inline const UiText kMusicFiles = Tr("Window", "Music files...");
inline const UiText kModeFiles = Tr("Window", "Mode files...");
inline const UiText kParameterReport = Tr("Window", "Parameter report...");
inline const UiText kProtectUnlock = Tr("Window", "Protect or unlock...");

// Page area.
inline const UiText kPageAreaTitle = Tr("Window", "Full interface page");
inline const UiText kPageAreaHint =
    Tr("Window", "Equaliser, crossover, delay and channel pages appear here.");

// Settings panel.
inline const UiText kSettingTab = Tr("Window", "Setting");
inline const UiText kUpgradeTab = Tr("Window", "Upgrade");
inline const UiText kAboutTab = Tr("Window", "About");
inline const UiText kLanguage = Tr("Window", "Language");
inline const UiText kFactorySettings = Tr("Window", "Factory settings");
inline const UiText kRestore = Tr("Window", "Restore");
inline const UiText kFactoryResetQuestion = Tr("Window", "Restore factory settings,Yes or No?");
inline const UiText kFirmwareFile = Tr("Window", "Firmware file");
inline const UiText kBrowse = Tr("Window", "Browse");
inline const UiText kUpdate = Tr("Window", "Update");
inline const UiText kSelectUpgradeFile = Tr("Window", "Please select upgrade file!");
// Firmware updates: asked first, and after one the processor is offered again.
inline const UiText kFirmwareQuestionStart =
    Tr("Window", "Update the processor's firmware from %1?");
inline const UiText kFirmwareQuestionVersion = Tr("Window", "The processor runs version %1.");
inline const UiText kFirmwareVersionUnknown =
    Tr("Window", "The processor's version is not known: it is not connected.");
inline const UiText kFirmwareQuestionEnd =
    Tr("Window", "Do not unplug it or switch it off until the update has finished. Go on?");
inline const UiText kFirmwareNotFinished = Tr("Window", "The update did not finish.");
inline const UiText kReconnectQuestion =
    Tr("Window", "The processor restarts with its new firmware. Connect to it again now?");
inline const UiText kConnectingUsb = Tr("Window", "Connected Usb");
inline const UiText kDeviceVersion = Tr("Window", "Device version: %1");
inline const UiText kSoftwareVersionLabel = Tr("Window", "Software version: %1");

// Progress window.
inline const UiText kTransferTitle = Tr("Window", "Data transmission");
inline const UiText kTransferRunning = Tr("Window", "Data processing. Please wait");
inline const UiText kTransferEnded = Tr("Window", "End of data transmission");

}  // namespace corva::shell::text
