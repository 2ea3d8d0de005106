// The category and department pick-lists, read once when the window loads.
#include "ui/desk/frmMain.h"

#include "core/desk/PickListFile.h"
#include "platform/MsgBox.h"

#include <QApplication>
#include <QComboBox>

void frmMain::LoadCustomLists() {
    std::vector<std::vector<std::string>> lists;
    const FileError error = PickList::ReadPickLists(PickList::CustomListsFile(state_.ProgramFolder),
                                                    {PickList::CategoryHeader, PickList::DepartmentHeader}, lists);
    unsetCursor();
    if (error.number == ErrorNumber::FileNotFound) {
        MsgBox(QStringLiteral("File Reading Error: Could not load the DL/INI Lists "), vb::vbCritical,
               QStringLiteral("Brantholm Solutions [ LE-5-%1 ]").arg(error.number), this);
        return;
    }
    if (error)
        setWindowTitle(
            QStringLiteral("Brantholm Solutions Kestrane  [ Error: %1 Reading INI File ]").arg(error.number));
    // Appended, not replaced: the boxes keep their design texts until an item is chosen.
    const QString category = CataCB->currentText(), department = Dept1CB->currentText();
    if (lists.size() == 2) {
        for (const std::string& item : lists[0])
            CataCB->addItem(QStringLiteral(" ") + QString::fromLatin1(item.c_str()));
        for (const std::string& item : lists[1])
            Dept1CB->addItem(QStringLiteral(" ") + QString::fromLatin1(item.c_str()));
    }
    CataCB->setEditText(category);
    Dept1CB->setEditText(department);
}
