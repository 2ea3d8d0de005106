#include "platform/MsgBox.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include <utility>
#include <vector>

namespace {

MsgBoxResponder& responder() {
    static MsgBoxResponder r;
    return r;
}

struct ButtonDef {
    int answer;
    QMessageBox::StandardButton button;
};

std::vector<ButtonDef> buttonsFor(int set) {
    using SB = QMessageBox::StandardButton;
    switch (set) {
    case vb::vbOKCancel:
        return {{vb::vbOK, SB::Ok}, {vb::vbCancel, SB::Cancel}};
    case vb::vbAbortRetryIgnore:
        return {{vb::vbAbort, SB::Abort}, {vb::vbRetry, SB::Retry}, {vb::vbIgnore, SB::Ignore}};
    case vb::vbYesNoCancel:
        return {{vb::vbYes, SB::Yes}, {vb::vbNo, SB::No}, {vb::vbCancel, SB::Cancel}};
    case vb::vbYesNo:
        return {{vb::vbYes, SB::Yes}, {vb::vbNo, SB::No}};
    case vb::vbRetryCancel:
        return {{vb::vbRetry, SB::Retry}, {vb::vbCancel, SB::Cancel}};
    default:
        return {{vb::vbOK, SB::Ok}};
    }
}

QMessageBox::Icon iconFor(int icon) {
    switch (icon) {
    case vb::vbCritical:
        return QMessageBox::Critical;
    case vb::vbQuestion:
        return QMessageBox::Question;
    case vb::vbExclamation:
        return QMessageBox::Warning;
    case vb::vbInformation:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

} // namespace

void SetMsgBoxResponder(MsgBoxResponder r) {
    responder() = std::move(r);
}

int MsgBox(const QString& text, int style, const QString& title, QWidget* parent) {
    const MsgBoxCall call{text, title, style};
    if (responder())
        return responder()(call);

    QMessageBox box(parent ? parent : QApplication::activeWindow());
    box.setWindowTitle(title);
    box.setText(text);
    box.setIcon(iconFor(call.icon()));
    const auto defs = buttonsFor(call.buttons());
    for (const auto& d : defs)
        box.addButton(d.button);
    const std::size_t def = call.defaultButton() == vb::vbDefaultButton3   ? 2
                            : call.defaultButton() == vb::vbDefaultButton2 ? 1
                                                                           : 0;
    if (def < defs.size())
        box.setDefaultButton(defs[def].button);
    // Escape and the close button give the gentlest answer the box offers.
    for (auto gentle : {QMessageBox::Cancel, QMessageBox::No, QMessageBox::Ok})
        if (box.button(gentle)) {
            box.setEscapeButton(gentle);
            break;
        }
    box.exec();
    const auto clicked = box.standardButton(box.clickedButton());
    for (const auto& d : defs)
        if (d.button == clicked)
            return d.answer;
    return defs.size() > 1 ? (box.button(QMessageBox::Cancel) ? vb::vbCancel : vb::vbNo) : vb::vbOK;
}
