#pragma once
// Shared inside the forms layer only: Qt conversions, twips, the scripted answers.
#include <QColor>
#include <QString>

#include <optional>
#include <string>

class QWidget;

namespace forms::internal {

// Makes sure a QApplication exists (tests and tools get an offscreen one on first use).
void EnsureApplication();

inline constexpr int kTwipsPerPixel = 15;
inline int ToPixels(int twips) {
    return (twips >= 0 ? twips + kTwipsPerPixel / 2 : twips - kTwipsPerPixel / 2) / kTwipsPerPixel;
}
inline int ToTwips(int pixels) { return pixels * kTwipsPerPixel; }

inline QString Q(const std::string& s) { return QString::fromStdString(s); }
inline std::string S(const QString& s) { return s.toStdString(); }

// Horizontal part of an alignment value: 0 left, 1 right, 2 centre.
inline Qt::Alignment HorizontalAlignment(int alignment) {
    if (alignment == 1) return Qt::AlignRight;
    if (alignment == 2) return Qt::AlignHCenter;
    return Qt::AlignLeft;
}

// Colours are held as 0x00BBGGRR.
inline QColor ToQColor(long c) { return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF)); }

// A command of a screen's menu or toolbar is about to run: a control on another screen that
// has the focus loses it, as when the user clicks another window.
void TakeFocusForCommand(const QWidget* commandWidget);

// Headless answers; each records the call.
int ScriptedMsgBox(const std::string& prompt, int buttons, const std::string& title);
// The chosen path, or nothing for a cancel.
std::optional<std::string> ScriptedFileDialog(bool save, const std::string& filter, const std::string& initDir);
void RecordHelp();
void ForgetDialogFolders();
void RecordEnd();

} // namespace forms::internal
