#include "platform/SaveAsDialog.h"

#include "core/passes/SaveDialogFilter.h"
#include "platform/Latin1Text.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QStringList>

namespace {
// The pairs of a NUL list as the names Qt's dialog shows: the description,
// with the pattern added when the description does not show it already.
QStringList NameFilters(const std::string& list) {
    QStringList names;
    for (int n = 1;; ++n) {
        const std::string pair = mCmnDlg::GetFilterPair(list, n);
        if (pair.empty())
            break;
        const auto nul = pair.find('\0');
        QString description = Latin1::FromBytes(pair.substr(0, nul));
        QString pattern = Latin1::FromBytes(pair.substr(nul + 1)).replace(QLatin1Char(';'), QLatin1Char(' '));
        names << (description.endsWith(QLatin1Char(')')) ? description : description + " (" + pattern + ")");
    }
    return names;
}
} // namespace

bool mCmnDlg::ShowSaveAsPreview(SaveAsRequest& request) {
    const std::string list = FilterList(request.filter);
    const QStringList names = NameFilters(list);
    QFileDialog dialog(request.owner, request.dialogTitle, request.initialDir);
    dialog.setObjectName(QStringLiteral("SaveAsPreview"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(request.fileMustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setNameFilters(names);
    if (request.filterIndex >= 1 && request.filterIndex <= names.size())
        dialog.selectNameFilter(names[request.filterIndex - 1]);
    dialog.setDefaultSuffix(request.defaultExt);
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);

    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        request.fileName = request.fileTitle = QString(QChar(0));
        request.filter.assign(1, '\0');
        request.flags = 0;
        request.filterIndex = -1;
        return false;
    }
    request.fileName = dialog.selectedFiles().first();
    request.fileTitle = QFileInfo(request.fileName).fileName();
    request.filterIndex = static_cast<int>(names.indexOf(dialog.selectedNameFilter())) + 1;
    request.filter = GetFilterPair(list, request.filterIndex);
    request.readOnly = false;
    return true;
}
