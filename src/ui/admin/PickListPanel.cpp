#include "ui/admin/PickListPanel.h"

#include "core/TextUtil.h"
#include "core/admin/PickListEdit.h"
#include "core/desk/PickListFile.h"
#include "platform/Latin1Text.h"
#include "platform/MsgBox.h"
#include "ui/common/Errors.h"
#include "ui/common/Widgets.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

using Latin1::FromBytes;
using Latin1::ToBytes;
using namespace Widgets;

namespace {

const char* const SelectText = "- Select -";

} // namespace

PickListPanel::PickListPanel(ProgramState& state, QWidget* parent) : QWidget(parent), state_(state) {
    QFont courier(QStringLiteral("Courier New"));
    courier.setStyleHint(QFont::TypeWriter);

    Named(Caption(this, QStringLiteral("Built-in Lists"), QRect(12, 8, 200, 20), true), "Label20");
    Named(Caption(this, QStringLiteral("EDIT LISTS"), QRect(12, 32, 200, 18), true), "Label21");

    Named(Caption(this, QStringLiteral("Select drop-down box to edit"), QRect(12, 56, 220, 18)), "Label23");
    cbSetSelectList = new QComboBox(this);
    cbSetSelectList->setObjectName(QStringLiteral("cbSetSelectList"));
    cbSetSelectList->addItems({QString::fromLatin1(SelectText), QStringLiteral("CATEGORY"),
                               QStringLiteral("DEPARTMENT"), QStringLiteral("DESCRIPTION OF WORK"),
                               QStringLiteral("SELECT ACCESS")});
    cbSetSelectList->setGeometry(12, 76, 220, 26);
    connect(cbSetSelectList, &QComboBox::activated, this, &PickListPanel::cbSetSelectList_Click);

    cmdSetList = Button(this, "cmdSetList", QStringLiteral("List"), QString(), QRect(240, 76, 70, 26));
    connect(cmdSetList, &QPushButton::clicked, this, &PickListPanel::cmdSetList_Click);

    ListSection = new QListWidget(this);
    ListSection->setObjectName(QStringLiteral("ListSection"));
    ListSection->setFont(courier);
    // Rows exactly as tall as the font put an accent or a tall capital of the
    // first item against the frame: a pixel of room around each keeps it whole.
    ListSection->setSpacing(1);
    ListSection->setGeometry(12, 110, 330, 250);
    connect(ListSection, &QListWidget::itemSelectionChanged, this, &PickListPanel::ListSection_Click);

    Named(Caption(this, QStringLiteral("To add a new list item, type in the text here, then click [ Add ]."),
                  QRect(356, 110, 220, 36)),
          "Label24");
    ActiveText = new QLineEdit(this);
    ActiveText->setObjectName(QStringLiteral("ActiveText"));
    ActiveText->setFont(courier);
    ActiveText->setGeometry(356, 150, 220, 26);
    connect(ActiveText, &QLineEdit::textChanged, this, &PickListPanel::ActiveText_Change);
    // The file holds one byte per character.
    connect(ActiveText, &QLineEdit::textEdited, this, [this](const QString& text) {
        QString kept;
        for (const QChar c : text)
            if (c.unicode() <= 0xFF && c.unicode() >= 0x20)
                kept += c;
        if (kept != text)
            ActiveText->setText(kept);
    });

    cmdSetADD = Button(this, "cmdSetADD", QStringLiteral("Add"), QString(), QRect(356, 182, 80, 26));
    cmdSetADD->setEnabled(false);
    connect(cmdSetADD, &QPushButton::clicked, this, &PickListPanel::cmdSetADD_Click);

    Named(Caption(this,
                  QStringLiteral("Any new item will be inserted after any highlighted line on the list, otherwise it "
                                 "will be added at the end. "),
                  QRect(356, 214, 220, 52)),
          "Label22");
    Named(Caption(this,
                  QStringLiteral("To delete a list item, first highlight it by selecting it with the mouse - then "
                                 "click the [ Remove ] button."),
                  QRect(356, 270, 220, 52)),
          "Label25");
    cmdSetDelete = Button(this, "cmdSetDelete", QStringLiteral("Remove"), QString(), QRect(356, 326, 80, 26));
    cmdSetDelete->setEnabled(false);
    connect(cmdSetDelete, &QPushButton::clicked, this, &PickListPanel::cmdSetDelete_Click);

    lachanges = Named(Caption(this, QStringLiteral("Changes will be available the next time you start Kestrane"),
                              QRect(12, 366, 560, 20)),
                      "lachanges");
    lachanges->setStyleSheet(QStringLiteral("color: rgb(192, 0, 0);"));
    lachanges->hide();

    // Every caption of the tab wraps within its place.
    for (QLabel* label : findChildren<QLabel*>())
        label->setWordWrap(true);
}

void PickListPanel::HideChangesNote() {
    lachanges->hide();
}

std::string PickListPanel::chosenName() const {
    return Text::Trim(ToBytes(cbSetSelectList->currentText()));
}

std::string PickListPanel::listFile() const {
    return PickList::CustomListsFile(state_.ProgramFolder);
}

void PickListPanel::tell(const QString& text, int style, const QString& title) {
    MsgBox(text, style, title, window());
}

void PickListPanel::cbSetSelectList_Click() {
    if (const int limit = PickListEdit::ItemLimit(chosenName()); limit > 0)
        ActiveText->setMaxLength(limit);
}

void PickListPanel::cmdSetList_Click() {
    if (chosenName() == SelectText) {
        tell(QStringLiteral("No Edit list: Select a list to edit from the drop-down box"), vb::vbExclamation,
             QStringLiteral("Kestrane"));
        return;
    }
    listedKey_ = PickListEdit::SectionKey(chosenName());
    LoadListSection();
}

void PickListPanel::ActiveText_Change() {
    cmdSetADD->setEnabled(Text::Trim(ToBytes(ActiveText->text())).size() > 2);
}

void PickListPanel::ListSection_Click() {
    cmdSetDelete->setEnabled(!ListSection->selectedItems().isEmpty());
}

void PickListPanel::LoadListSection() {
    ListSection->clear();
    std::vector<std::string> items;
    const FileError error = PickListEdit::LoadSection(listFile(), listedKey_, items);
    for (const std::string& item : items)
        ListSection->addItem(QStringLiteral(" ") + FromBytes(item));
    ListSection_Click();
    Errors::Report(window(), Errors::Place::PickListFile, error);
}

// The list is shown afresh after a change, and after another desk's change
// moved the line; a file that could not be read or written keeps its list.
void PickListPanel::afterChange(const FileError& error) {
    Errors::Report(window(), Errors::Place::PickListChange, error);
    if (!error)
        lachanges->show();
    if (!error || error.number == ErrorNumber::NothingFound)
        LoadListSection();
}

namespace {

// The highlighted line as the file holds it, and which of its equal lines it is.
std::optional<PickListEdit::ListedItem> Highlighted(QListWidget* list) {
    const QList<QListWidgetItem*> selected = list->selectedItems();
    if (selected.isEmpty())
        return std::nullopt;
    const int row = list->row(selected.first());
    const QString shown = selected.first()->text();
    int occurrence = 0;
    for (int r = 0; r < row; ++r)
        if (list->item(r)->text() == shown)
            ++occurrence;
    return PickListEdit::ListedItem{ToBytes(shown.mid(1)), occurrence};
}

} // namespace

void PickListPanel::cmdSetADD_Click() {
    if (listedKey_.empty()) {
        tell(QStringLiteral("No Edit list: Select a list to edit from the drop-down box"), vb::vbExclamation,
             QStringLiteral("Kestrane"));
        return;
    }
    const std::string item = Text::Trim(ToBytes(ActiveText->text()));
    if (const auto refusal = PickListEdit::ItemRefusal(item)) {
        tell(FromBytes(*refusal), vb::vbExclamation, QStringLiteral("Kestrane"));
        return;
    }
    afterChange(PickListEdit::AddToFile(listFile(), listedKey_, Highlighted(ListSection), item));
}

void PickListPanel::cmdSetDelete_Click() {
    const std::optional<PickListEdit::ListedItem> listed = Highlighted(ListSection);
    if (!listed || listedKey_.empty())
        return;
    afterChange(PickListEdit::RemoveFromFile(listFile(), listedKey_, *listed));
}
