#pragma once

#include <QString>

#include <functional>

class QWidget;

// Message boxes described the way the windows ask for them: a text, a style
// made of a button set, an icon and a default button, and a title.
namespace vb {
inline constexpr int vbOKOnly = 0;
inline constexpr int vbOKCancel = 1;
inline constexpr int vbAbortRetryIgnore = 2;
inline constexpr int vbYesNoCancel = 3;
inline constexpr int vbYesNo = 4;
inline constexpr int vbRetryCancel = 5;
inline constexpr int vbCritical = 16;
inline constexpr int vbQuestion = 32;
inline constexpr int vbExclamation = 48;
inline constexpr int vbInformation = 64;
inline constexpr int vbDefaultButton2 = 256;
inline constexpr int vbDefaultButton3 = 512;

inline constexpr int vbOK = 1;
inline constexpr int vbCancel = 2;
inline constexpr int vbAbort = 3;
inline constexpr int vbRetry = 4;
inline constexpr int vbIgnore = 5;
inline constexpr int vbYes = 6;
inline constexpr int vbNo = 7;
} // namespace vb

struct MsgBoxCall {
    QString text;
    QString title;
    int style = 0;
    int buttons() const { return style & 7; }
    int icon() const { return style & 0x70; }
    int defaultButton() const { return style & 0x300; }
};

// A responder answers message boxes instead of the user (tests, tools).
using MsgBoxResponder = std::function<int(const MsgBoxCall&)>;

// Shows a modal message box and returns the answer (vb::vbOK, vb::vbYes, ...).
// The Escape key or the window's close button answers Cancel where there is
// one, otherwise No, otherwise OK.
int MsgBox(const QString& text, int style, const QString& title, QWidget* parent = nullptr);

void SetMsgBoxResponder(MsgBoxResponder responder);
