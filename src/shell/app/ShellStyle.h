// The program's look in one place: the background colour family, the accent, the four shared
// fonts and the program icon, so every window paints from the same values.
#pragma once

#include <QColor>
#include <QFont>
#include <QIcon>

class QApplication;

namespace corva::shell {

namespace colour {
inline const QColor kBackground{227, 228, 238};  // every window's own background
inline const QColor kBar{246, 247, 252};         // top bar and panel headers
inline const QColor kCard{236, 237, 246};        // the empty page area
inline const QColor kLine{200, 203, 220};        // borders and separators
inline const QColor kInk{38, 43, 66};            // ordinary text
inline const QColor kQuietInk{110, 116, 146};    // secondary text
inline const QColor kAccent{72, 86, 170};
inline const QColor kTextBlinkA{20, 40, 130};  // the progress window's text alternates
inline const QColor kTextBlinkB{200, 30, 40};  // between dark blue and red
}  // namespace colour

// The four shared fonts by their pixel height: 14 (the default), 12, 16 and 18.
enum class FontSize { Normal = 14, Small = 12, Large = 16, Title = 18 };
QFont ShellFont(FontSize size, QFont::Weight weight = QFont::Normal);

// Application-wide font and palette; call once after the QApplication exists.
void ApplyShellStyle(QApplication& app);

// The program's icon, drawn (no image files are shipped).
QIcon ProgramIcon();

}  // namespace corva::shell
