#include "ui/common/WindowKeys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>

namespace {

// Sees the keys the focused control left to its window: a push button that
// is no default button leaves Return, which would otherwise reach the
// dialog and press its default button.
class ReturnPressesFocusedButton : public QObject {
    Q_OBJECT
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<const QKeyEvent*>(event);
        if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) || (key->modifiers() & ~Qt::KeypadModifier))
            return false;
        auto* button = qobject_cast<QPushButton*>(static_cast<QWidget*>(watched)->focusWidget());
        if (!button || !button->isEnabled() || !button->isVisible())
            return false;
        button->click();
        return true;
    }
};

bool IsAltWithLetterOrDigit(const QKeyEvent& key) {
    const Qt::KeyboardModifiers mods = key.modifiers();
    if (!(mods & Qt::AltModifier) || (mods & Qt::GroupSwitchModifier))
        return false;
    const int code = key.key();
    const QString text = key.text();
    const bool ownCharacter = text.size() == 1 && text.at(0).toUpper().unicode() == code;
    // Some layouts report AltGr as Ctrl+Alt: the key then makes a character
    // of its own, not its letter.
    if ((mods & Qt::ControlModifier) && text.size() == 1 && text.at(0).isPrint() && !ownCharacter)
        return false;
    return (code >= Qt::Key_A && code <= Qt::Key_Z) || (code >= Qt::Key_0 && code <= Qt::Key_9) ||
           (ownCharacter && text.at(0).isLetterOrNumber());
}

// Alt with a letter or digit runs a shortcut before any control sees the key;
// one that is no shortcut of the window would reach the focused box and type
// its letter into a field, so it goes no further. An open menu's letters are
// its own.
class AltKeysTypeNothing : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
            return false;
        if (static_cast<QWidget*>(watched)->window()->windowType() == Qt::Popup)
            return false;
        return IsAltWithLetterOrDigit(*static_cast<const QKeyEvent*>(event));
    }
};

} // namespace

void WindowKeys::Install(QWidget* window) {
    window->installEventFilter(new ReturnPressesFocusedButton(window));
    static QPointer<AltKeysTypeNothing> altKeys;
    if (!altKeys && qApp) {
        altKeys = new AltKeysTypeNothing(qApp);
        qApp->installEventFilter(altKeys);
    }
}

#include "WindowKeys.moc"
