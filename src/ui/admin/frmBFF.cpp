#include "ui/admin/frmBFF.h"

#include "core/admin/FolderPath.h"
#include "platform/FolderTree.h"
#include "platform/Platform.h"
#include "platform/ShownPath.h"
#include "ui/common/Twips.h"
#include "ui/common/WindowKeys.h"
#include "ui/startup/Artwork.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

frmBFF::frmBFF(ProgramState& state, QWidget* parent) : QDialog(parent), state_(state) {
    setObjectName(QStringLiteral("frmBFF"));
    setWindowTitle(QStringLiteral("Select Root Folder"));
    setModal(true);
    WindowKeys::Install(this);

    imaBFFTopBar = new QLabel(this);
    imaBFFTopBar->setObjectName(QStringLiteral("imaBFFTopBar"));
    imaBFFTopBar->setGeometry(0, 0, 2000, 32);
    imaBFFTopBar->setPixmap(Artwork::Banner(2000, 32, QStringLiteral("Select Root Folder")));

    ftvbff = new FolderTree(this);
    ftvbff->setObjectName(QStringLiteral("ftvbff"));
    ftvbff->setGeometry(2, 33, 396, 300);
    connect(ftvbff->selectionModel(), &QItemSelectionModel::selectionChanged, this, &frmBFF::ftvbff_FolderSelected);

    picBFFBottomBar = new QFrame(this);
    picBFFBottomBar->setObjectName(QStringLiteral("picBFFBottomBar"));
    picBFFBottomBar->setFrameShape(QFrame::StyledPanel);
    picBFFBottomBar->setGeometry(0, 336, 400, 64);

    auto* Label1 = new QLabel(QStringLiteral(" Folder"), picBFFBottomBar);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(6, 4, 60, 18);
    auto* AnnoSFlbl = new QLabel(QStringLiteral("Selected"), picBFFBottomBar);
    AnnoSFlbl->setObjectName(QStringLiteral("AnnoSFlbl"));
    AnnoSFlbl->setGeometry(6, 22, 60, 18);
    txtBFFSelectedF = new QLineEdit(picBFFBottomBar);
    txtBFFSelectedF->setObjectName(QStringLiteral("txtBFFSelectedF"));
    txtBFFSelectedF->setReadOnly(true);
    txtBFFSelectedF->setGeometry(70, 12, 160, 24);

    cmdBFFOK = new QPushButton(QStringLiteral("Ok"), picBFFBottomBar);
    cmdBFFOK->setObjectName(QStringLiteral("cmdBFFOK"));
    cmdBFFOK->setDefault(true);
    cmdBFFOK->setGeometry(250, 12, 60, 26);
    connect(cmdBFFOK, &QPushButton::clicked, this, &frmBFF::cmdBFFOK_Click);
    cmdBFFCancel = new QPushButton(QStringLiteral("Cancel"), picBFFBottomBar);
    cmdBFFCancel->setObjectName(QStringLiteral("cmdBFFCancel"));
    cmdBFFCancel->setAutoDefault(false);
    cmdBFFCancel->setGeometry(320, 12, 70, 26);
    connect(cmdBFFCancel, &QPushButton::clicked, this, &frmBFF::cmdBFFCancel_Click);

    resize(420, 420);
    Form_Load();
}

void frmBFF::Form_Load() {
    state_.browse.BrowseCancelled = false;
    SetTreeSelectedPath(state_.browse.BrowseResult);
}

std::string frmBFF::TreeSelectedPath() const {
    return ftvbff->selectedFolder();
}

void frmBFF::SetTreeSelectedPath(const std::string& path) {
    ftvbff->selectFolder(path);
    ftvbff->setFocus();
    ftvbff_FolderSelected();
}

// Ok stays disabled while nothing is chosen: it would empty the folder box.
void frmBFF::ftvbff_FolderSelected() {
    SelectedPath = TreeSelectedPath();
    cmdBFFOK->setEnabled(!SelectedPath.empty());
    txtBFFSelectedF->setText(CompactPathForDisplay(txtBFFSelectedF, ShownPath::Text(SelectedPath)));
}

void frmBFF::cmdBFFOK_Click() {
    const std::string chosen = TreeSelectedPath();
    if (chosen.empty())
        return;
    state_.browse.BrowseCancelled = false;
    state_.browse.BrowseResult = chosen;
    unloaded_ = true;
    accept();
}

void frmBFF::cmdBFFCancel_Click() {
    state_.browse.BrowseCancelled = true;
    unloaded_ = true;
    QDialog::reject();
}

void frmBFF::reject() {
    cmdBFFCancel_Click();
}

void frmBFF::closeEvent(QCloseEvent* event) {
    if (!unloaded_)
        cmdBFFCancel_Click();
    event->accept();
}

QString frmBFF::CompactPathForDisplay(QLineEdit* box, const QString& path) {
    box->setProperty("Tag", path);
    const QFontMetrics metrics(box->font());
    const int room = static_cast<int>(std::lround(box->width() * 0.9));
    const std::string shortened =
        FolderPath::CompactInMiddle(path.toStdString(), room, [&metrics](std::string_view text) {
            return metrics.horizontalAdvance(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
        });
    const QString text = QString::fromStdString(shortened);
    if (text != path)
        box->setToolTip(path);
    return text;
}

void frmBFF::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    Form_Resize(Twips::FromPixels(width()), Twips::FromPixels(height()));
}

// Laid out on the inside of the window: its frame is the window manager's,
// unknown when the window is first laid out and different on every desktop.
// The bottom bar rests on the bottom edge and the tree fills the room above it.
void frmBFF::Form_Resize(int widthTwips, int heightTwips) {
    const int W = widthTwips, H = heightTwips;
    txtBFFSelectedF->resize(std::max(0, Twips::WholePixels(W - 3600)), txtBFFSelectedF->height());
    const int T = Twips::FromPixels(imaBFFTopBar->height());
    const int barHeight = picBFFBottomBar->height();
    const int gap = Twips::WholePixels(40);
    if (H > 2000) {
        const int w = Platform::IsThemeActive() ? W - 300 : W - 150;
        const int top = Twips::WholePixels(T + 10);
        ftvbff->setGeometry(Twips::WholePixels(30), top, std::max(0, Twips::WholePixels(w)),
                            std::max(0, Twips::WholePixels(H) - barHeight - gap - top));
    }
    picBFFBottomBar->setGeometry(0, ftvbff->y() + ftvbff->height() + gap, Twips::WholePixels(W), barHeight);
    cmdBFFCancel->move(Twips::WholePixels(W - 1200), cmdBFFCancel->y());
    cmdBFFOK->move(Twips::WholePixels(W - 2200), cmdBFFOK->y());
    txtBFFSelectedF->setText(CompactPathForDisplay(txtBFFSelectedF, ShownPath::Text(SelectedPath)));
}
