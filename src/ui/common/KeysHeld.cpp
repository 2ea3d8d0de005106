#include "ui/common/KeysHeld.h"

#include "platform/Pause.h"

#include <QApplication>
#include <QEvent>
#include <QStyleHints>
#include <QTimer>

namespace {

class SwallowKeys : public QObject {
  public:
    explicit SwallowKeys(QWidget* window) : QObject(window), window_(window) { qApp->installEventFilter(this); }
    ~SwallowKeys() override { qApp->removeEventFilter(this); }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (type != QEvent::KeyPress && type != QEvent::KeyRelease && type != QEvent::ShortcutOverride &&
            type != QEvent::Shortcut)
            return false;
        if (!watched->isWidgetType() || static_cast<QWidget*>(watched)->window() != window_)
            return false;
        event->accept(); // an accepted override keeps the key from being taken as a shortcut
        return true;
    }

  private:
    QWidget* window_;
};

} // namespace

KeysHeld::KeysHeld(QWidget* window) : focus_(window->focusWidget()) {
    filter_ = new SwallowKeys(window);
    // The window itself holds the focus meanwhile, so none passes to a control the user did not reach.
    window->setFocus(Qt::OtherFocusReason);
}

void KeysHeld::letAPressPass() const {
    StartUp::Pause(QGuiApplication::styleHints()->keyboardInputInterval() / 1000.0);
}

KeysHeld::~KeysHeld() {
    if (focus_ && focus_->isEnabled() && focus_->isVisible())
        focus_->setFocus(Qt::OtherFocusReason);
    if (filter_)
        QTimer::singleShot(StartUp::PauseMilliseconds(QGuiApplication::styleHints()->keyboardInputInterval() / 1000.0),
                           filter_.data(), &QObject::deleteLater);
}
