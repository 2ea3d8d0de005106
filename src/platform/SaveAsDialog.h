#pragma once

#include <QString>

#include <string>

class QWidget;

namespace mCmnDlg {

// What the save dialog is opened with and, after it, what the user chose.
struct SaveAsRequest {
    QString fileName;  // in and out: the full path chosen
    QString fileTitle; // out: the name without its folder
    bool fileMustExist = false;
    bool readOnly = false; // out: always false, the dialog offers no read-only box
    std::string filter;    // in: "description|pattern|..."; out: the chosen pair, NUL-joined
    int filterIndex = 1;   // in and out, from 1
    QString initialDir;
    QString dialogTitle;
    QString defaultExt;
    QWidget* owner = nullptr;
    long flags = 0;
};

// Shows the save dialog; true when the user confirmed a name. Cancelled, the
// file name, title and filter become a single NUL, flags 0 and the index -1.
bool ShowSaveAsPreview(SaveAsRequest& request);

} // namespace mCmnDlg
