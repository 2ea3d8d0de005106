#include "ui/desk/DeskWidgets.h"

#include "platform/VbColor.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace DeskWidgets {

QLabel* Caption(QWidget* parent, const QString& text, int x, int y, int w, bool bold) {
    auto* l = new QLabel(text, parent);
    l->setGeometry(x, y, w, 20);
    if (bold) {
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
    }
    return l;
}

QPushButton* Button(QWidget* parent, const char* name, const QString& text, const QString& tip, QRect at) {
    auto* b = Named(new QPushButton(text, parent), name);
    b->setShortcut(QKeySequence());
    b->setAutoDefault(false);
    b->setFocusPolicy(Qt::TabFocus);
    if (!tip.isEmpty())
        b->setToolTip(tip);
    b->setGeometry(at);
    return b;
}

QLineEdit* Box(QWidget* parent, const char* name, QRect at, int maxLength) {
    auto* e = Named(new QLineEdit(parent), name);
    e->setGeometry(at);
    if (maxLength > 0)
        e->setMaxLength(maxLength);
    return e;
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

} // namespace DeskWidgets
