#include "ui/common/WindowKeys.h"

#include <QKeyEvent>
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

} // namespace

void WindowKeys::Install(QWidget* window) {
    window->installEventFilter(new ReturnPressesFocusedButton(window));
}

#include "WindowKeys.moc"
