// The per-user settings the program keeps: the remembered folders of the file dialogs, the
// firmware file, the language and the network address last connected to. On Windows they live in
// the user's registry key Software\CorvaDSP-BV1.00_GB2312.exe, elsewhere in the per-user INI file
// of that name (the same store whose "USB" group holds the in-use marks; this class leaves that
// group alone).
#pragma once

#include <memory>

#include <QRect>
#include <QString>

class QSettings;

namespace corva::shell {

// The remembered folders of the file dialogs, by kind.
enum class PathKind {
    SinglePreset = 1,  // "File_Path"
    AllPresets = 2,    // "AllFile_Path"
    Map = 3,           // "Map_Path"
    Hex = 4,           // "Hex"
};

// The "DspMcu" values, read and written together.
struct FirmwareSettings {
    QString name;      // full path of the last chosen firmware file
    QString path;      // the initial file name for the firmware file chooser
    QString language;  // "Chinese" or "English"
};

// Offered in the network dialog until the user has entered an address of their own.
inline constexpr const char* kDefaultNetworkAddress = "192.168.1.1:8989";

class SettingsStore {
public:
    struct Folders {
        QString startup;    // the current folder when the program started
        QString documents;  // the user's Documents folder
    };
    static Folders DefaultFolders();

    explicit SettingsStore(Folders folders);
    ~SettingsStore();

    const Folders& folders() const { return folders_; }
    // "DataFile" under the start-up folder, and the file masks built from it.
    QString DataFolder() const;
    void EnsureDataFolder() const;  // failure is not reported: file operations report later
    QString FirmwareMask() const;   // DataFile/*.bin
    QString GeneralMask() const;    // DataFile/*.*
    QString ModeFileMask() const;   // DataFile/*.dat_d

    // A remembered folder. A missing group is created with every kind set to the Documents
    // folder; a stored text that is not an existing folder is replaced by it and stored so.
    QString GetPath(PathKind kind);
    // Remembers a folder; when the store refuses it, the Documents folder is stored instead.
    void PutPath(PathKind kind, const QString& folder);

    // Reads the firmware and language values; a missing group is created from the values in
    // memory (at first the defaults: no file, the firmware mask, no language).
    const FirmwareSettings& ReadFirmwareSettings();
    void WriteFirmwareSettings(const FirmwareSettings& values);
    const FirmwareSettings& firmwareSettings() const { return firmware_; }

    // The HOST[:PORT] text last used for a network connection (the default before any).
    QString NetworkAddress() const;
    void PutNetworkAddress(const QString& address);
    // The serial port name last typed in "Serial port..." (empty before any).
    QString SerialPortName() const;
    void PutSerialPortName(const QString& name);

    // Where the main window was last left: its normal rectangle (empty before the first
    // close) and whether it was maximised.
    QRect WindowRect() const;
    bool WindowMaximised() const;
    void PutWindowPlace(const QRect& normalRect, bool maximised);

private:
    std::unique_ptr<QSettings> Open() const;
    void WriteAllPaths(QSettings& settings, const QString& folder) const;

    Folders folders_;
    FirmwareSettings firmware_;
};

}  // namespace corva::shell
