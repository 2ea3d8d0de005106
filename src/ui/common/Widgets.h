#pragma once

#include <QRect>
#include <QString>

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

// The small parts the windows are built from, each named by its objectName.
// A part given no place is left to a layout.
namespace Widgets {

template <typename T> T* Named(T* w, const char* name) {
    w->setObjectName(QString::fromLatin1(name));
    return w;
}

// A caption one line high.
QLabel* Caption(QWidget* parent, const QString& text, int x, int y, int w, bool bold = false);
QLabel* Caption(QWidget* parent, const QString& text, QRect at, bool bold = false);
// A caption laid out beside the box it names.
QLabel* Caption(QWidget* parent, const QString& text, QWidget* buddy);
// A bold heading left to a layout, pointSizeStep points larger than its window's text.
QLabel* Heading(QWidget* parent, const QString& text, int pointSizeStep);
// Never a default button: Return in a box must not press it.
QPushButton* Button(QWidget* parent, const char* name, const QString& text, const QString& tip = QString(),
                    QRect at = QRect());
// A button of a window whose own key map runs the Alt shortcuts: the
// underlined letter is only a hint, and a click leaves the focus where it was.
QPushButton* KeyMapButton(QWidget* parent, const char* name, const QString& text, const QString& tip, QRect at);
QLineEdit* Box(QWidget* parent, const char* name, QRect at, int maxLength = 0);
// An editable drop-down keeps a typed text as a text: an entry added for it
// would move the positions of the others.
QComboBox* Combo(QWidget* parent, const char* name, QRect at, bool editable = false);
QFrame* Frame(QWidget* parent, const char* name, QRect at);
// A sunken label whose back colour shows a state.
QLabel* StatusLabel(QLabel* label, const char* name, const QString& text, QRect at);
// The label's caption and back colour (blue-green-red).
void SetLabelLook(QLabel* label, const QString& caption, long backBgr);
long BackColourOf(const QLabel* label);
// Shows text in a drop-down, choosing its entry when it has one, so the arrow
// keys go on from there; no choice handler runs.
void ShowEntry(QComboBox* box, const QString& text);

} // namespace Widgets
