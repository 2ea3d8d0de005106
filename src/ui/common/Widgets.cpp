#include "ui/common/Widgets.h"

#include "platform/VbColor.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace Widgets {

QLabel* Caption(QWidget* parent, const QString& text, int x, int y, int w, bool bold) {
    return Caption(parent, text, QRect(x, y, w, 20), bold);
}

QLabel* Caption(QWidget* parent, const QString& text, QRect at, bool bold) {
    auto* l = new QLabel(text, parent);
    l->setGeometry(at);
    if (bold) {
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
    }
    return l;
}

QLabel* Caption(QWidget* parent, const QString& text, QWidget* buddy) {
    auto* l = new QLabel(text, parent);
    l->setBuddy(buddy);
    return l;
}

QLabel* Heading(QWidget* parent, const QString& text, int pointSizeStep) {
    auto* label = new QLabel(text, parent);
    QFont f = label->font();
    f.setBold(true);
    f.setPointSize(f.pointSize() + pointSizeStep);
    label->setFont(f);
    return label;
}

QPushButton* Button(QWidget* parent, const char* name, const QString& text, const QString& tip, QRect at) {
    auto* b = Named(new QPushButton(text, parent), name);
    b->setAutoDefault(false);
    if (!tip.isEmpty())
        b->setToolTip(tip);
    if (!at.isNull())
        b->setGeometry(at);
    return b;
}

QPushButton* KeyMapButton(QWidget* parent, const char* name, const QString& text, const QString& tip, QRect at) {
    auto* b = Button(parent, name, text, tip, at);
    b->setShortcut(QKeySequence());
    b->setFocusPolicy(Qt::TabFocus);
    return b;
}

QLineEdit* Box(QWidget* parent, const char* name, QRect at, int maxLength) {
    auto* e = Named(new QLineEdit(parent), name);
    e->setGeometry(at);
    if (maxLength > 0)
        e->setMaxLength(maxLength);
    return e;
}

QComboBox* Combo(QWidget* parent, const char* name, QRect at, bool editable) {
    auto* box = Named(new QComboBox(parent), name);
    box->setEditable(editable);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setGeometry(at);
    return box;
}

QFrame* Frame(QWidget* parent, const char* name, QRect at) {
    auto* f = Named(new QFrame(parent), name);
    f->setFrameShape(QFrame::StyledPanel);
    f->setGeometry(at);
    return f;
}

QLabel* StatusLabel(QLabel* l, const char* name, const QString& text, QRect at) {
    Named(l, name);
    l->setText(text);
    l->setAlignment(Qt::AlignCenter);
    l->setFrameShape(QFrame::Panel);
    l->setFrameShadow(QFrame::Sunken);
    l->setAutoFillBackground(true);
    l->setGeometry(at);
    return l;
}

void SetLabelLook(QLabel* label, const QString& caption, long backBgr) {
    label->setText(caption);
    QPalette pal = label->palette();
    pal.setColor(QPalette::Window, VbColor(backBgr));
    label->setPalette(pal);
}

void ShowEntry(QComboBox* box, const QString& text) {
    const int index = box->findText(text);
    if (index >= 0)
        box->setCurrentIndex(index);
    else
        box->setEditText(text);
}

long BackColourOf(const QLabel* label) {
    return ToVbColor(label->palette().color(QPalette::Window));
}

} // namespace Widgets
