#include "ui/desk/DetailDialog.h"

#include "platform/Shell.h"
#include "platform/VbKeys.h"
#include "ui/common/Centre.h"
#include "ui/common/Widgets.h"
#include "ui/common/WindowKeys.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Widgets;

namespace {} // namespace

DetailDialog::DetailDialog(ProgramState& state, QWidget* parent, const char* name, const char* title,
                           std::span<const int> editedFields)
    : QDialog(parent), state_(state), grid_(new QGridLayout), editedFields_(editedFields),
      savedFields_(editedFields.size()) {
    setObjectName(QString::fromLatin1(name));
    setWindowTitle(QString::fromLatin1(title));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setModal(true);
    WindowKeys::Install(this);
    grid_->setHorizontalSpacing(10);
    grid_->setVerticalSpacing(6);
}

void DetailDialog::addPair(const char* leftCaption, QWidget* left, const char* rightCaption, QWidget* right) {
    grid_->addWidget(Caption(this, leftCaption, left), row_, 0);
    grid_->addWidget(left, row_, 1);
    grid_->addWidget(Caption(this, rightCaption, right), row_, 2);
    grid_->addWidget(right, row_++, 3);
}

void DetailDialog::addWide(const char* caption, QWidget* box) {
    grid_->addWidget(Caption(this, caption, box), row_, 0);
    grid_->addWidget(box, row_++, 1, 1, 3);
}

void DetailDialog::addAcross(QWidget* widget) {
    grid_->addWidget(widget, row_++, 0, 1, 4);
}

void DetailDialog::addRule(QWidget* heading) {
    auto* rule = new QFrame(this);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    addAcross(rule);
    if (heading)
        addAcross(heading);
}

void DetailDialog::layOutPage(QPushButton* clear, QPushButton* ok, QPushButton* cancel) {
    grid_->setColumnStretch(1, 1);
    grid_->setColumnStretch(3, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(clear);
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(16, 14, 16, 14);
    page->setSpacing(14);
    page->addLayout(grid_);
    page->addLayout(buttons);
    page->setSizeConstraint(QLayout::SetFixedSize);
    page->activate();
}

void DetailDialog::clearBoxes(std::initializer_list<std::pair<QLineEdit*, std::string*>> boxes) {
    for (const auto& [box, field] : boxes) {
        box->clear();
        field->clear();
    }
}

// Centred at the size the window takes for what it shows: boxes widened for
// long values widen it.
void DetailDialog::CentreForm() {
    if (layout())
        layout()->activate();
    Centre::FrameOnScreen(this);
}

void DetailDialog::SnapshotFields() {
    for (std::size_t i = 0; i < editedFields_.size(); ++i)
        savedFields_[i] = state_.CurrentRecord.Field(editedFields_[i]);
}

void DetailDialog::RestoreFields() {
    for (std::size_t i = 0; i < editedFields_.size(); ++i)
        state_.CurrentRecord.Field(editedFields_[i]) = savedFields_[i];
}

void DetailDialog::Form_Unload() {}

void DetailDialog::done(int result) {
    Form_Unload();
    QDialog::done(result);
}

void DetailDialog::Form_KeyDown(int keyCode, int /*shift*/) {
    if (keyCode == vb::vbKeyF1)
        StartUp::ShowHelpTopic(state_);
}

void DetailDialog::keyPressEvent(QKeyEvent* event) {
    Form_KeyDown(VbKeys::KeyCode(event), VbKeys::ShiftBits(event));
    if (VbKeys::KeyCode(event) == vb::vbKeyF1)
        return;
    QDialog::keyPressEvent(event);
}
