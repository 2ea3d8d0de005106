#include "ui/desk/BookingBoxes.h"

#include "core/desk/BookingRecord.h"
#include "platform/Latin1Text.h"
#include "ui/common/Widgets.h"

#include <QAbstractItemView>
#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTextCursor>
#include <QValidator>

#include <algorithm>
#include <memory>

namespace {

const char* const LimitProperty = "storedLimit";
// Set while a box shows a stored field: QLineEdit runs its validator on text
// set from code too, and a filter for typing must not drop stored letters.
const char* const ShowingStoredProperty = "showingStored";

// A line break is stored as a marker of several characters, so it weighs more than one.
constexpr qsizetype LineBreakWeight = static_cast<qsizetype>(StoredLineBreak.size());

qsizetype Weight(QChar c) {
    return c == u'\n' ? LineBreakWeight : 1;
}

qsizetype StoredLength(const QString& text) {
    qsizetype n = 0;
    for (const QChar c : text)
        n += Weight(c);
    return n;
}

// Cuts the text inserted since `before` from its end until the whole fits `limit`.
// A value that was already too long before the edit is left as it is.
QString FitInsertion(const QString& before, const QString& now, qsizetype limit, int& cursor) {
    const qsizetype shorter = std::min(before.size(), now.size());
    qsizetype head = 0;
    while (head < shorter && before.at(head) == now.at(head))
        ++head;
    qsizetype tail = 0;
    while (tail < shorter - head && before.at(before.size() - 1 - tail) == now.at(now.size() - 1 - tail))
        ++tail;
    const QString start = now.left(head);
    const QString end = now.right(tail);
    qsizetype budget = limit - StoredLength(start) - StoredLength(end);
    if (budget < 0)
        return now;
    qsizetype kept = 0;
    const qsizetype inserted = now.size() - head - tail;
    while (kept < inserted && Weight(now.at(head + kept)) <= budget)
        budget -= Weight(now.at(head + kept++));
    cursor = static_cast<int>(head + kept);
    return start + now.mid(head, kept) + end;
}

} // namespace

namespace BookingBoxes {

QString Latin1Only(const QString& text, int* cursor) {
    QString out;
    out.reserve(text.size());
    const int at = cursor ? *cursor : 0;
    int droppedBeforeCursor = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.unicode() <= 0xFF) {
            out += c;
            continue;
        }
        qsizetype width = 1;
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            width = 2;
        if (i < at)
            droppedBeforeCursor += static_cast<int>(std::min<qsizetype>(width, at - i));
        i += width - 1;
    }
    if (cursor)
        *cursor -= droppedBeforeCursor;
    return out;
}

namespace {

// The characters of text that a box taking accept (all of Latin-1 when null) keeps.
QString Storable(const QString& text, bool (*accept)(int), int& pos) {
    QString input = Latin1Only(text, &pos);
    if (!accept)
        return input;
    QString kept;
    kept.reserve(input.size());
    for (qsizetype i = 0; i < input.size(); ++i) {
        if (accept(input.at(i).unicode()))
            kept += input.at(i);
        else if (i < pos)
            --pos;
    }
    return kept;
}

// Drops the characters a box does not take, wherever they come from: typing,
// pasting, dropping. A validator sees every edit before the box shows it.
// The box cuts a paste to its length limit before its validator sees it, so
// refused characters would take the room of ones it keeps: pastes are
// filtered here first, and the box then cuts what is left.
class StorableText : public QValidator {
    Q_OBJECT
  public:
    StorableText(bool (*accept)(int), QLineEdit* box) : QValidator(box), box_(box), accept_(accept) {
        box->installEventFilter(this);
    }
    State validate(QString& input, int& pos) const override {
        if (box_->property(ShowingStoredProperty).toBool())
            return Acceptable;
        input = Storable(input, accept_, pos);
        return Acceptable;
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (box_->isReadOnly())
            return QValidator::eventFilter(watched, event);
        switch (event->type()) {
        case QEvent::KeyPress:
            if (const auto* key = static_cast<QKeyEvent*>(event); key->matches(QKeySequence::Paste)) {
                // Ctrl+Shift+Insert pastes the selection where the desktop keeps one, as the box would.
                const bool selection = key->key() == Qt::Key_Insert &&
                                       key->modifiers() == (Qt::ControlModifier | Qt::ShiftModifier) &&
                                       QGuiApplication::clipboard()->supportsSelection();
                paste(selection ? QClipboard::Selection : QClipboard::Clipboard);
                return true;
            }
            break;
        case QEvent::MouseButtonRelease:
            if (static_cast<QMouseEvent*>(event)->button() == Qt::MiddleButton &&
                QGuiApplication::clipboard()->supportsSelection()) {
                box_->deselect();
                paste(QClipboard::Selection);
                return true;
            }
            break;
        case QEvent::ContextMenu:
            if (box_->contextMenuPolicy() == Qt::DefaultContextMenu) {
                QMenu* menu = box_->createStandardContextMenu();
                for (QAction* action : menu->actions()) {
                    // The entry is known by its words only: "&Paste", a tab, then its keys.
                    if (action->text().section(u'\t', 0, 0) != QLineEdit::tr("&Paste"))
                        continue;
                    disconnect(action, &QAction::triggered, box_, nullptr);
                    connect(action, &QAction::triggered, this, [this] { paste(QClipboard::Clipboard); });
                }
                menu->setAttribute(Qt::WA_DeleteOnClose);
                menu->popup(static_cast<QContextMenuEvent*>(event)->globalPos());
                return true;
            }
            break;
        default:
            break;
        }
        return QValidator::eventFilter(watched, event);
    }

  private:
    void paste(QClipboard::Mode mode) {
        int end = 0;
        box_->insert(Storable(QGuiApplication::clipboard()->text(mode), accept_, end));
    }

    QLineEdit* box_;
    bool (*accept_)(int);
};

} // namespace

void KeepLatin1(QLineEdit* box, bool (*accept)(int ch)) {
    delete dynamic_cast<const StorableText*>(box->validator()); // a narrower rule replaces the first
    box->setValidator(new StorableText(accept, box));
}

void ShowText(QLineEdit* box, const std::string& field) {
    const QString text = Latin1::FromBytes(field);
    if (text.size() > box->maxLength())
        box->setMaxLength(static_cast<int>(text.size()));
    box->setProperty(ShowingStoredProperty, true);
    box->setText(text);
    box->setProperty(ShowingStoredProperty, false);
}

void ShowWhole(QLineEdit* box, const std::string& field) {
    ShowText(box, field);
    constexpr int LineEditMargin = 2; // the box's own room each side of its text
    const QMargins text = box->textMargins();
    const QMargins contents = box->contentsMargins();
    const int inner = box->fontMetrics().horizontalAdvance(box->text()) + 1 /* the cursor */ + 2 * LineEditMargin +
                      text.left() + text.right() + contents.left() + contents.right();
    QStyleOptionFrame frame;
    frame.initFrom(box);
    frame.lineWidth = box->hasFrame() ? box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &frame, box) : 0;
    const QSize outer =
        box->style()->sizeFromContents(QStyle::CT_LineEdit, &frame, QSize(inner, box->fontMetrics().height()), box);
    box->setMinimumWidth(std::max(box->minimumWidth(), outer.width()));
}

std::string NotesToBytes(const QString& text) {
    QString crlf = text;
    crlf.replace(u'\n', QStringLiteral("\r\n"));
    return Latin1::ToBytes(crlf);
}

QString NotesFromBytes(const std::string& bytes) {
    QString text = Latin1::FromBytes(bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    return text;
}

void KeepNotesStorable(QPlainTextEdit* box, int maxStored) {
    box->setProperty(LimitProperty, maxStored);
    auto before = std::make_shared<QString>(box->toPlainText());
    auto fixing = std::make_shared<bool>(false);
    QObject::connect(box, &QPlainTextEdit::textChanged, box, [box, before, fixing] {
        if (*fixing)
            return;
        const QString now = box->toPlainText();
        int cursor = box->textCursor().position();
        QString kept = Latin1Only(now, &cursor);
        const int limit = box->property(LimitProperty).toInt();
        if (limit > 0 && StoredLength(kept) > limit)
            kept = FitInsertion(*before, kept, limit, cursor);
        if (kept != now) {
            *fixing = true;
            box->setPlainText(kept);
            QTextCursor c = box->textCursor();
            c.setPosition(std::clamp(cursor, 0, static_cast<int>(kept.size())));
            box->setTextCursor(c);
            *fixing = false;
        }
        *before = box->toPlainText();
    });
}

void ShowNotes(QPlainTextEdit* box, const QString& text) {
    const int limit = box->property(LimitProperty).toInt();
    const auto stored = static_cast<int>(StoredLength(text));
    if (limit > 0 && stored > limit)
        box->setProperty(LimitProperty, stored);
    box->setPlainText(text);
}

void FitListToItems(QComboBox* box) {
    QAbstractItemView* list = box->view();
    const int bar = box->count() > box->maxVisibleItems() ? list->verticalScrollBar()->sizeHint().width() : 0;
    list->setMinimumWidth(list->sizeHintForColumn(box->modelColumn()) + 2 * list->frameWidth() + bar);
}

} // namespace BookingBoxes

namespace {

void SetCharsWide(QWidget* w, int chars) {
    w->setMinimumWidth(w->fontMetrics().averageCharWidth() * chars + 14);
}

// Opens a pick-list's drop-down when its read-only text is clicked.
class OpenListOnClick : public QObject {
    Q_OBJECT
  public:
    explicit OpenListOnClick(QComboBox* box) : QObject(box), box_(box) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonPress) {
            box_->showPopup();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    QComboBox* box_;
};

} // namespace

namespace BookingBoxes {

QLineEdit* ShownBox(QWidget* parent, const char* name, int chars) {
    auto* box = Widgets::Named(new QLineEdit(parent), name);
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::ClickFocus);
    SetCharsWide(box, chars);
    if (chars <= 6) // a salutation or a letter: no use stretching it
        box->setFixedWidth(box->minimumWidth());
    return box;
}

QLineEdit* EditBox(QWidget* parent, const char* name, int width, const char* toolTip) {
    auto* box = Widgets::Named(new QLineEdit(parent), name);
    box->setMaxLength(width);
    SetCharsWide(box, std::min(width, 30));
    if (toolTip)
        box->setToolTip(QString::fromLatin1(toolTip));
    KeepLatin1(box);
    return box;
}

QPlainTextEdit* NotesBox(QWidget* parent, const char* name, int maxStored) {
    auto* box = Widgets::Named(new QPlainTextEdit(parent), name);
    box->setTabChangesFocus(true);
    box->setFixedHeight(box->fontMetrics().lineSpacing() * 3 + 12);
    KeepNotesStorable(box, maxStored);
    return box;
}

void MakeListOnly(QComboBox* box) {
    // Editable only so that it can show any text; typed text would never reach the field.
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->lineEdit()->setReadOnly(true);
    box->lineEdit()->installEventFilter(new OpenListOnClick(box));
}

QComboBox* PickBox(QWidget* parent, const char* name, const QString& designText, int chars) {
    auto* box = Widgets::Named(new QComboBox(parent), name);
    MakeListOnly(box);
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    box->setMinimumContentsLength(chars);
    box->setMaxVisibleItems(15);
    box->setEditText(designText);
    return box;
}

} // namespace BookingBoxes

#include "BookingBoxes.moc"
