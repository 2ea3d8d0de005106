#include "ui/passes/frmPass.h"

#include "core/Clock.h"
#include "core/TextUtil.h"
#include "core/desk/ListDate.h"
#include "core/passes/PhotoFile.h"
#include "core/startup/Helpers.h"
#include "platform/Latin1Text.h"
#include "platform/MonthCalendar.h"
#include "platform/MsgBox.h"
#include "platform/Pause.h"
#include "platform/PictureFile.h"
#include "platform/Shell.h"
#include "platform/VbKeys.h"
#include "ui/common/Centre.h"
#include "ui/common/KeysHeld.h"
#include "ui/common/OpenGuard.h"
#include "ui/common/Twips.h"
#include "ui/common/Widgets.h"
#include "ui/common/WindowKeys.h"
#include "ui/passes/PassCard.h"
#include "ui/passes/frmCapTest.h"
#include "ui/passes/frmPrintform.h"
#include "ui/photos/frmHandlePhoto.h"

#include <QComboBox>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QStyle>

using namespace Widgets;

namespace {
const QString Title = QStringLiteral("Kestrane");
constexpr double ScreenDpi = 96.0; // 15 twips to the pixel, as the desk lays out

QRect pxRect(const QRect& t) {
    return {Twips::NearestPixels(t.x()), Twips::NearestPixels(t.y()), Twips::NearestPixels(t.width()),
            Twips::NearestPixels(t.height())};
}

// The card's panel: grey, with its outline and the frames of photo, logo and department.
class CardPanel : public QFrame {
    Q_OBJECT
  public:
    using QFrame::QFrame;

  protected:
    void paintEvent(QPaintEvent* event) override {
        QFrame::paintEvent(event);
        QPainter p(this);
        p.setPen(QPen(Qt::black, 1));
        for (const QRect& r :
             {PassCard::OutlineTwips, PassCard::PhotoFrameTwips, PassCard::DeptBoxTwips, PassCard::LogoFrameTwips})
            p.drawRect(pxRect(r));
    }
};

// A card text over the card's own colour where its letters run, so that a
// frame line under it gives way to the text.
class BackedLabel : public QLabel {
    Q_OBJECT
  public:
    using QLabel::QLabel;

  protected:
    void paintEvent(QPaintEvent* event) override {
        if (!text().isEmpty()) {
            QPainter p(this);
            const QRect letters = QStyle::alignedRect(layoutDirection(), alignment(),
                                                      fontMetrics().size(Qt::TextSingleLine, text()), contentsRect());
            p.fillRect(letters.intersected(contentsRect()), palette().window());
        }
        QLabel::paintEvent(event);
    }
};

QLabel* cardLabel(QWidget* parent, const PassCard::Field& f) {
    auto* l = Named(f.backed ? new BackedLabel(parent) : new QLabel(parent), f.name);
    l->setGeometry(pxRect(f.twips));
    l->setFont(PassCard::FontAt(f, ScreenDpi));
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    l->setTextFormat(Qt::PlainText); // typed texts show as typed, as on paper, never as markup
    return l;
}

} // namespace

frmPass::frmPass(ProgramState& state, const QString& listMonthText, const QString& listYearText, QWidget* parent)
    : QDialog(parent), state_(state), listMonthText_(listMonthText), listYearText_(listYearText) {
    setObjectName(QStringLiteral("frmPass"));
    setWindowTitle(QStringLiteral("SET NEW PASS DATES"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setModal(true);
    WindowKeys::Install(this);
    build();
    setFixedSize(700, 340);
    Form_Load();
}

frmPass::~frmPass() = default;

void frmPass::build() {
    buildCard();
    buildDatePanel();
    buildButtons();
}

void frmPass::buildCard() {
    Picture1 = new CardPanel(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setGeometry(QRect(QPoint(8, 8), pxRect(QRect(QPoint(0, 0), PassCard::CardTwips)).size()));
    Picture1->setAutoFillBackground(true);
    QPalette pal = Picture1->palette();
    pal.setColor(QPalette::Window, QColor(224, 224, 224));
    Picture1->setPalette(pal);

    PassPortIma = new QLabel(Picture1);
    PassPortIma->setObjectName(QStringLiteral("PassPortIma"));
    // The photo shows through its frame only.
    PassPortIma->setGeometry(pxRect(PassCard::PhotoFrameTwips).adjusted(1, 1, -1, -1));
    PassPortIma->setAlignment(Qt::AlignCenter);
    PassPortIma->setVisible(false);

    LogoImage = new QLabel(Picture1);
    LogoImage->setObjectName(QStringLiteral("LogoImage"));
    LogoImage->setGeometry(pxRect(PassCard::LogoTwips));
    LogoImage->setScaledContents(true);

    FirmNameTB = cardLabel(Picture1, PassCard::FirmName());
    FirmNameTB->setAutoFillBackground(true);
    QPalette white = FirmNameTB->palette();
    white.setColor(QPalette::Window, Qt::white);
    FirmNameTB->setPalette(white);
    PassNameTB = cardLabel(Picture1, PassCard::Name());
    PassOrganTB = cardLabel(Picture1, PassCard::Organisation());
    Text4 = cardLabel(Picture1, PassCard::ReportsTo());
    Text4->setText(QStringLiteral("REPORTS TO:"));
    PassDeptTB = cardLabel(Picture1, PassCard::Department());
    PASSValidTB = cardLabel(Picture1, PassCard::Validity());
    PASSValidTB->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QPalette red = PASSValidTB->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    PASSValidTB->setPalette(red);
    cardLabel(Picture1, PassCard::ValidFromLabel())->setText(QStringLiteral("Valid From:"));
    PassDateTB = cardLabel(Picture1, PassCard::ValidFrom());
    cardLabel(Picture1, PassCard::IssuedLabel())->setText(QStringLiteral("Issued:"));
    PassTimeTB = cardLabel(Picture1, PassCard::Issued());
    PassRegOPTB = cardLabel(Picture1, PassCard::RegNoLine());
    laBC = new BarcodeLabel(Picture1);
    laBC->setObjectName(QStringLiteral("laBC"));
    laBC->setGeometry(pxRect(PassCard::BarcodeTwips));

    Caption(this, QStringLiteral("REGISTRATION  No."), QRect(8, 266, 120, 20));
    PassRegNoTB = new QLabel(this);
    PassRegNoTB->setObjectName(QStringLiteral("PassRegNoTB"));
    PassRegNoTB->setGeometry(130, 266, 120, 20);
    PassRegNoTB->setFrameShape(QFrame::Panel);
    PassRegNoTB->setFrameShadow(QFrame::Sunken);

    P_PrnNote = new QFrame(this);
    P_PrnNote->setObjectName(QStringLiteral("P_PrnNote"));
    P_PrnNote->setGeometry(40, 100, 320, 50);
    P_PrnNote->setFrameShape(QFrame::Box);
    P_PrnNote->setAutoFillBackground(true);
    QPalette light = P_PrnNote->palette();
    light.setColor(QPalette::Window, QColor(255, 255, 225));
    P_PrnNote->setPalette(light);
    laDayNotice = new QLabel(QStringLiteral("PRINTING PASS"), P_PrnNote);
    laDayNotice->setObjectName(QStringLiteral("laDayNotice"));
    QFont bold(QStringLiteral("Arial"));
    bold.setPixelSize(16);
    bold.setBold(true);
    laDayNotice->setFont(bold);
    QPalette redText = laDayNotice->palette();
    redText.setColor(QPalette::WindowText, Qt::red);
    laDayNotice->setPalette(redText);
    laDayNotice->resize(300, 24);
    P_PrnNote->setVisible(false);
}

void frmPass::buildDatePanel() {
    Caption(this, QStringLiteral("Validity (Duration)"), QRect(404, 10, 160, 20));
    PassNumberCB = new QComboBox(this);
    PassNumberCB->setObjectName(QStringLiteral("PassNumberCB"));
    PassNumberCB->addItems({QStringLiteral("ONE "), QStringLiteral("TWO "), QStringLiteral("THREE "),
                            QStringLiteral("FOUR"), QStringLiteral("FIVE"), QStringLiteral("SIX")});
    PassNumberCB->setGeometry(404, 32, 90, 24);
    PassPeriodCB = new QComboBox(this);
    PassPeriodCB->setObjectName(QStringLiteral("PassPeriodCB"));
    PassPeriodCB->addItems({QStringLiteral("Day"), QStringLiteral("Week"), QStringLiteral("Month")});
    PassPeriodCB->setGeometry(500, 32, 90, 24);
    connect(PassNumberCB, &QComboBox::activated, this, &frmPass::PassNumberCB_Click);
    connect(PassPeriodCB, &QComboBox::activated, this, &frmPass::PassPeriodCB_Click);

    Caption(this, QStringLiteral("Valid From:"), QRect(404, 62, 80, 20));
    PassTodayTB = new QLineEdit(QStringLiteral("Today"), this);
    PassTodayTB->setObjectName(QStringLiteral("PassTodayTB"));
    PassTodayTB->setReadOnly(true);
    PassTodayTB->setGeometry(480, 60, 110, 24);
    connect(PassTodayTB, &QLineEdit::textChanged, this, &frmPass::PassTodayTB_Change);
    cmdCal = Button(this, "cmdCal", QString(), QString(), QRect(596, 60, 28, 24));
    cmdCal->setIcon(style()->standardIcon(QStyle::SP_FileDialogDetailedView));
    connect(cmdCal, &QPushButton::clicked, this, &frmPass::cmdCal_Click);

    PicCal2 = new QFrame(this);
    PicCal2->setObjectName(QStringLiteral("PicCal2"));
    PicCal2->setFrameShape(QFrame::Box);
    PicCal2->setGeometry(400, 90, 292, 208); // clear of Cancel and Close below
    PicCal2->setAutoFillBackground(true);
    Calendar2 = new MonthCalendar(PicCal2);
    Calendar2->setObjectName(QStringLiteral("Calendar2"));
    Calendar2->setGeometry(2, 2, 288, 177);
    Calendar2->setToolTip(QStringLiteral("Double-click to Enter a date and close the Calendar"));
    connect(Calendar2, &MonthCalendar::DblClick, this, &frmPass::Calendar2_DblClick);
    cmdCalDECR = Button(PicCal2, "cmdCalDECR", QStringLiteral("<"), QString(), QRect(2, 181, 40, 24));
    cmdCalINCR = Button(PicCal2, "cmdCalINCR", QStringLiteral(">"), QString(), QRect(250, 181, 40, 24));
    connect(cmdCalDECR, &QPushButton::clicked, this, &frmPass::cmdCalDECR_Click);
    connect(cmdCalINCR, &QPushButton::clicked, this, &frmPass::cmdCalINCR_Click);
    PicCal2->setVisible(false);
}

void frmPass::buildButtons() {
    cmdCapture = Button(this, "cmdCapture", QStringLiteral("New"), QString(), QRect(404, 110, 90, 28));
    cmdGetPhoto = Button(this, "cmdGetPhoto", QStringLiteral("Manage"), QString(), QRect(500, 110, 90, 28));
    cmdPrintPass = Button(this, "cmdPrintPass", QStringLiteral("Print..."), QString(), QRect(404, 160, 90, 28));
    cmdRemovePass = Button(this, "cmdRemovePass", QStringLiteral("Remove"), QString(), QRect(500, 160, 90, 28));
    // Flip Side and Cancel stay where users know them but do nothing: a pass
    // is never printed on the card's back, and Close is what leaves the window.
    cmdFLIP = Button(this, "cmdFLIP", QStringLiteral("Flip Side"), QString(), QRect(404, 200, 90, 28));
    cmdCancelPass = Button(this, "cmdCancelPass", QStringLiteral("Cancel"), QString(), QRect(500, 300, 90, 28));
    cmdClosePass = Button(this, "cmdClosePass", QStringLiteral("Close"), QString(), QRect(596, 300, 90, 28));
    Caption(this, QStringLiteral("Photo"), QRect(404, 90, 80, 20));
    connect(cmdCapture, &QPushButton::clicked, this, &frmPass::cmdCapture_Click);
    connect(cmdGetPhoto, &QPushButton::clicked, this, &frmPass::cmdGetPhoto_Click);
    connect(cmdPrintPass, &QPushButton::clicked, this, &frmPass::cmdPrintPass_Click);
    connect(cmdRemovePass, &QPushButton::clicked, this, &frmPass::cmdRemovePass_Click);
    connect(cmdClosePass, &QPushButton::clicked, this, &frmPass::cmdClosePass_Click);
}

Passes::PassDate frmPass::today() const {
    return Passes::DateOf(Clock::Now());
}

std::string frmPass::photoFilePath() const {
    const BookingFields& r = state_.CurrentRecord;
    return PhotoFile::PhotoFilePath(state_.settings.DataRoot, r.RegNo, r.FirstName, r.LastName);
}

void frmPass::showPhoto(const std::string& path) {
    const QPixmap pm = PictureFromFile(path);
    if (pm.isNull())
        return; // a picture that cannot be read leaves the card as it was
    const QRect place = pxRect(PassCard::PhotoTwips).translated(-PassPortIma->x(), -PassPortIma->y());
    QPixmap shown(PassPortIma->size());
    shown.fill(Qt::transparent);
    QPainter p(&shown);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const QPixmap scaled = pm.scaled(place.size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
    p.drawPixmap(place.center() - QPoint(scaled.width() / 2, scaled.height() / 2), scaled);
    p.end();
    PassPortIma->setPixmap(shown);
}

void frmPass::CentreForm() {
    Centre::OnPrimaryScreen(this);
}

void frmPass::Form_Load() {
    CentreForm();
    const LocalDateTime now = Clock::Now();
    Calendar2->setValue(QDate(now.year, now.month, now.day));
    cmdPrintPass->setEnabled(!state_.options().disablePassPrinting());
    // Cleared before the card is filled, so a photo found missing there is still saved.
    state_.PassChanged = false;
    state_.PassRevokeRequest = false;
    state_.PassRegNo = state_.CurrentRecord.RegNo;
    FillPassCard();
    ShowBarcode();
    cmdRemovePass->setEnabled(!Text::IsBlank(state_.CurrentRecord.PassIssued));
}

void frmPass::setNotice(bool dayPass) {
    if (dayPass) {
        laDayNotice->move(Twips::NearestPixels(570), Twips::NearestPixels(90));
        laDayNotice->setText(QStringLiteral("PRINTING PASS ONLY VALID TODAY"));
    } else {
        laDayNotice->move(Twips::NearestPixels(540), Twips::NearestPixels(255));
        laDayNotice->setText(QStringLiteral("PRINTING PASS"));
    }
}

void frmPass::FillPassCard() {
    BookingFields& r = state_.CurrentRecord;
    if (Text::IsBlank(r.PhotoOnFile))
        r.setPhotoOnFile(false);
    FirmNameTB->setText(Latin1::FromBytes(state_.SiteName).toUpper());

    const LocalDateTime now = Clock::Now();
    PassCount = 1;
    PassUnit = Passes::Unit::Day;
    pass_.NewPassStart = pass_.NewPassEnd = now.DateText();
    pass_.NewPassPeriod = "1D";
    pass_.NewPassIssued = Passes::IssueStamp(now);

    const std::string photo = photoFilePath();
    if (StartUp::FileExists(photo)) {
        showPhoto(photo);
        pass_.PhotoFoundFlag = true;
        r.setPhotoOnFile(true);
    } else {
        showPhoto(Passes::PlaceholderPhoto(state_.ProgramFolder));
        pass_.PhotoFoundFlag = false;
        if (r.photoOnFile()) {
            r.setPhotoOnFile(false);
            state_.PassChanged = true; // the booking claimed a photo that is gone
        }
    }

    const bool logo = state_.options().showPassLogo();
    LogoImage->setVisible(logo);
    if (logo) {
        const QPixmap pm = PictureFromFile(Passes::PassLogoFile(state_.ProgramFolder));
        if (!pm.isNull())
            LogoImage->setPixmap(pm);
    }

    PassTodayTB->setText(QStringLiteral("Today"));
    PassTodayTB_Change(); // also when the text was already "Today"

    const QString name = Latin1::FromBytes(r.FirstName) + u' ' + Latin1::FromBytes(r.LastName);
    PassNameTB->setText(name);
    PassRegOPTB->setText(QStringLiteral("No. ") + Latin1::FromBytes(r.RegNo));
    PassRegNoTB->setText(Latin1::FromBytes(r.RegNo));
    PassOrganTB->setText(Latin1::FromBytes(r.Organisation));
    PassDeptTB->setText(Latin1::FromBytes(r.Department));
    if (!name.trimmed().isEmpty()) {
        pass_.PassValidityText = Passes::DayPassText(Passes::DateOf(now));
        PASSValidTB->setText(Latin1::FromBytes(pass_.PassValidityText));
        PassDateTB->setText(Latin1::FromBytes(now.DateText()));
        PassTimeTB->setText(Latin1::FromBytes(Passes::IssueStamp(now)));
        setNotice(true);
    }
    PassPortIma->setVisible(true);
}

void frmPass::ShowBarcode() {
    laBC->setVisible(state_.options().showPassBarcode());
    laBC->setText(QStringLiteral("*") + Latin1::FromBytes(state_.CurrentRecord.RegNo) + QStringLiteral("*"));
}

void frmPass::PassTodayTB_Change() {
    const QString t = PassTodayTB->text();
    pass_.NewPassStart = t == u"Today" ? Clock::Now().DateText() : Latin1::ToBytes(t);
    PassDateTB->setText(Latin1::FromBytes(pass_.NewPassStart));
}

void frmPass::PassNumberCB_Click() {
    ComputeValidity();
}
void frmPass::PassPeriodCB_Click() {
    ComputeValidity();
}

void frmPass::ComputeValidity() {
    if (const auto count = Passes::CountFromText(PassNumberCB->currentText().toStdString()))
        PassCount = *count;
    const auto unit = Passes::UnitFromText(PassPeriodCB->currentText().toStdString());
    if (!unit) {
        MsgBox(QString::fromLatin1(ListDate::NoValidDateText), vb::vbExclamation, Title, this);
        return;
    }
    PassUnit = *unit;
    const bool dayPass = PassNumberCB->currentText().trimmed() == u"ONE" && PassUnit == Passes::Unit::Day;
    if (dayPass)
        PassTodayTB->setText(QStringLiteral("Today"));
    const Passes::PassDate now = today();
    const Passes::PassDate start =
        PassTodayTB->text() == u"Today" ? now : Passes::ParseDate(PassTodayTB->text().toStdString()).value_or(now);
    const Passes::Validity v = Passes::ComputeValidity(PassCount, PassUnit, start, now);
    pass_.PassValidityText = v.validityText;
    setNotice(v.dayPass);
    PASSValidTB->setText(Latin1::FromBytes(v.validityText));
    pass_.NewPassEnd = v.endDate;
    pass_.NewPassPeriod = v.periodCode;
}

void frmPass::cmdCal_Click() {
    if (PassNumberCB->currentText().trimmed() + PassPeriodCB->currentText().trimmed() == u"ONEDay") {
        MsgBox(QString::fromLatin1(Passes::DayPassCalendarText), vb::vbExclamation, Title, this);
        return;
    }
    showCalendar(!PicCal2->isVisible());
}

void frmPass::showCalendar(bool shown) {
    PicCal2->setVisible(shown);
    if (shown)
        PicCal2->raise();
    // The buttons under the panel cannot be seen, and Tab must not reach them.
    for (QWidget* under : {cmdCapture, cmdGetPhoto, cmdPrintPass, cmdRemovePass, cmdFLIP})
        under->setVisible(!shown);
}

void frmPass::Calendar2_DblClick() {
    const QString picked = Calendar2->Value().toString(QStringLiteral("dd-MM-yyyy"));
    PassTodayTB->setText(picked);
    // The focus goes back to the calendar button, not on to the next control,
    // and a second Return of the one that picked the date goes nowhere.
    cmdCal->setFocus(Qt::OtherFocusReason);
    const KeysHeld keys(this);
    showCalendar(false);
    if (Passes::IsBeforeToday(picked.toStdString(), today())) {
        MsgBox(QString::fromLatin1(Passes::StartBeforeTodayText), vb::vbExclamation, Title, this);
        PASSValidTB->setText(QString::fromLatin1(Passes::InvalidLineText));
        return;
    }
    ComputeValidity();
}

namespace {
void stepMonth(MonthCalendar* calendar, bool forward) {
    const ListDate::CalendarDate now{calendar->Day(), calendar->Month(), calendar->Year()};
    const ListDate::CalendarDate next = forward ? ListDate::StepMonthForward(now) : ListDate::StepMonthBack(now);
    // A day the month lacks ends on the month's last day.
    calendar->setValueText(QStringLiteral("%1/%2/%3").arg(next.day).arg(next.month).arg(next.year));
}
} // namespace

void frmPass::cmdCalDECR_Click() {
    stepMonth(Calendar2, false);
}
void frmPass::cmdCalINCR_Click() {
    stepMonth(Calendar2, true);
}

void frmPass::Form_Activate() {
    // Whatever the camera or the library did, the card follows this booking's own photo file.
    BookingFields& r = state_.CurrentRecord;
    const std::string photo = photoFilePath();
    const bool onFile = StartUp::FileExists(photo);
    showPhoto(onFile ? photo : Passes::PlaceholderPhoto(state_.ProgramFolder));
    if (r.setPhotoOnFile(onFile) || state_.PhotoAttachedFlag || state_.PhotoDeletedFlag)
        state_.PassChanged = true;
    pass_.PhotoFoundFlag = onFile;
    state_.PhotoTakenFlag = false;
    state_.PhotoAttachedFlag = false;
    state_.PhotoDeletedFlag = false;
}

void frmPass::cmdCapture_Click() {
    const OpenGuard opening(this);
    if (!opening)
        return;
    const KeysHeld keys(this); // a second Return on SNAP must not open another camera
    frmCapTest camera(state_, this);
    camera.exec();
    Form_Activate();
}

void frmPass::cmdGetPhoto_Click() {
    const OpenGuard opening(this);
    if (!opening)
        return;
    const KeysHeld keys(this);
    frmHandlePhoto library(state_, listMonthText_, listYearText_, this);
    library.exec();
    Form_Activate();
}

void frmPass::cmdPrintPass_Click() {
    if (state_.options().disablePassPrinting())
        return;
    if (Passes::IsBeforeToday(pass_.NewPassStart, today())) {
        MsgBox(QString::fromLatin1(Passes::StartBeforeTodayText), vb::vbExclamation, Title, this);
        return;
    }
    if (!StartUp::FileExists(photoFilePath()) &&
        MsgBox(QString::fromLatin1(Passes::NoPhotoQuestion), vb::vbYesNo | vb::vbExclamation, Title, this) == vb::vbNo)
        return;
    // A photo change still waiting to be saved must not be dropped by a print that fails.
    const bool photoChangePending = state_.PassChanged;
    state_.PassChanged = false;
    frmPrintform print(state_, pass_, this);
    {
        // The wait below handles clicks and keys: the second of a double click
        // must not print a second pass, and a key pressed meanwhile must not
        // reach Remove.
        const KeysHeld keys(this);
        cmdPrintPass->setEnabled(false);
        print.Form_Load();
        P_PrnNote->setVisible(true);
        P_PrnNote->raise();
        StartUp::Pause(2);
        print.finish(); // prints now if the wait was shorter than its timer
        P_PrnNote->setVisible(false);
        cmdPrintPass->setEnabled(true);
    }
    if (print.Printed())
        cmdRemovePass->setEnabled(true);
    else if (photoChangePending)
        state_.PassChanged = true;
}

void frmPass::cmdRemovePass_Click() {
    state_.PassRevokeRequest = true;
    close();
}

void frmPass::cmdClosePass_Click() {
    close();
}

void frmPass::Form_Unload(bool& cancel) {
    if (!state_.PassRevokeRequest)
        return;
    const BookingFields& r = state_.CurrentRecord;
    const Passes::StoredPass stored{Text::Trim(r.FirstName),  Text::Trim(r.LastName),  Text::Trim(r.Organisation),
                                    Text::Trim(r.RegNo),      Text::Trim(r.PassStart), Text::Trim(r.PassEnd),
                                    Text::Trim(r.PassPeriod), Text::Trim(r.PassIssued)};
    const int a =
        MsgBox(Latin1::FromBytes(Passes::RevokeQuestion(stored)), vb::vbYesNoCancel | vb::vbQuestion, Title, this);
    if (a != vb::vbYes) {
        state_.PassRevokeRequest = false;
        cancel = true;
    }
}

// Every way of closing (Close, Remove, Escape, the close box) comes here.
void frmPass::reject() {
    bool cancel = false;
    Form_Unload(cancel);
    if (!cancel)
        QDialog::reject();
}

void frmPass::Form_KeyDown(int keyCode, int /*shift*/) {
    if (keyCode == vb::vbKeyF1) {
        state_.HelpTopic = StartUp::HelpTopics::Pass;
        StartUp::ShowHelpTopic(state_);
    }
}

void frmPass::keyPressEvent(QKeyEvent* event) {
    Form_KeyDown(VbKeys::KeyCode(event), VbKeys::ShiftBits(event));
    if (VbKeys::KeyCode(event) == vb::vbKeyF1)
        return;
    QDialog::keyPressEvent(event);
}

#include "frmPass.moc"
