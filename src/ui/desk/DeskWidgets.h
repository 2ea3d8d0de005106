#pragma once

#include <QRect>
#include <QString>

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

// The small parts the desk's panels are built from, each placed at a fixed
// position and named by its objectName.
namespace DeskWidgets {

template <typename T> T* Named(T* w, const char* name) {
    w->setObjectName(QString::fromLatin1(name));
    return w;
}

QLabel* Caption(QWidget* parent, const QString& text, int x, int y, int w, bool bold = false);
// The window's own key map runs the Alt shortcuts; the underlined letter is only a hint.
QPushButton* Button(QWidget* parent, const char* name, const QString& text, const QString& tip, QRect at);
QLineEdit* Box(QWidget* parent, const char* name, QRect at, int maxLength = 0);
QFrame* Frame(QWidget* parent, const char* name, QRect at);
// A sunken label whose back colour shows a state.
QLabel* StatusLabel(QLabel* label, const char* name, const QString& text, QRect at);
// The label's caption and back colour (blue-green-red).
void SetLabelLook(QLabel* label, const QString& caption, long backBgr);
long BackColourOf(const QLabel* label);
// Shows text in a drop-down, choosing its entry when it has one, so the arrow
// keys go on from there; no choice handler runs.
void ShowEntry(QComboBox* box, const QString& text);

} // namespace DeskWidgets
