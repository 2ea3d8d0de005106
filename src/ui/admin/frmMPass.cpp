#include "ui/admin/frmMPass.h"

#include "core/admin/PasswordRules.h"
#include "core/startup/UsrSettings.h"
#include "platform/Latin1Text.h"
#include "platform/MsgBox.h"
#include "platform/Pause.h"
#include "platform/VbKeys.h"
#include "ui/common/Centre.h"
#include "ui/common/Errors.h"
#include "ui/common/Twips.h"
#include "ui/common/Widgets.h"
#include "ui/common/WindowKeys.h"

#include <QApplication>
#include <QColor>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QStyle>

#include <algorithm>
#include <cmath>

namespace {

const QColor PromptColour(0, 0, 192);
const QColor WrongColour(255, 0, 0);
const QColor SuccessColour(0, 128, 0);

const char* const MsgTitle = "Kestrane";

constexpr int FaceWidth = 94;
constexpr int FaceHeight = 25;
constexpr int LabelHeight = Twips::WholePixels(225);
constexpr int DesignWidth = 330;
constexpr int WindowHeight = 170;

// Wide enough for a window frame to show the whole caption beside its icon
// and three buttons, each about as wide as the title bar is high.
int WidthForCaption(const QWidget* window) {
    QFont bold = window->font();
    bold.setBold(true);
    const int titleBar = window->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, window);
    return std::max(DesignWidth, QFontMetrics(bold).horizontalAdvance(window->windowTitle()) + 5 * titleBar);
}

QPixmap drawFace(const QColor& top, const QColor& bottom, const QColor& border) {
    QPixmap pm(FaceWidth, FaceHeight);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, FaceHeight);
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.setBrush(g);
    p.setPen(QPen(border, 1));
    p.drawRoundedRect(QRectF(0.5, 0.5, FaceWidth - 1, FaceHeight - 1), 7, 7);
    return pm;
}

QPixmap drawBackground(int w, int h) {
    QPixmap pm(w, h);
    QPainter p(&pm);
    QLinearGradient g(0, 0, 0, h);
    g.setColorAt(0, QColor(252, 253, 255));
    g.setColorAt(1, QColor(214, 224, 238));
    p.fillRect(pm.rect(), g);
    return pm;
}

QPixmap drawButtonBar(int w, int h) {
    QPixmap pm(w, h);
    QPainter p(&pm);
    QLinearGradient g(0, 0, 0, h);
    g.setColorAt(0, QColor(176, 190, 210));
    g.setColorAt(1, QColor(120, 136, 160));
    p.fillRect(pm.rect(), g);
    p.setPen(QColor(90, 104, 128));
    p.drawLine(0, 0, w, 0);
    return pm;
}

QPixmap drawPadlock() {
    QPixmap pm(36, 42);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(96, 96, 110), 4));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(8, 3, 20, 24), 0, 180 * 16);
    p.drawLine(QPointF(8, 15), QPointF(8, 20));
    p.drawLine(QPointF(28, 15), QPointF(28, 20));
    QLinearGradient g(0, 18, 0, 42);
    g.setColorAt(0, QColor(250, 210, 90));
    g.setColorAt(1, QColor(196, 140, 30));
    p.setPen(QPen(QColor(130, 90, 20), 1));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(3.5, 18.5, 29, 22), 4, 4);
    p.setBrush(QColor(60, 40, 10));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(18, 27), 3, 3);
    p.drawRect(QRectF(16.5, 28, 3, 7));
    return pm;
}

// A caption that reacts to the mouse like a button and reports every press,
// move and release to the window. Tab reaches it, and Space or Return
// presses it as a click does.
class LabelButton : public QLabel {
    Q_OBJECT
  public:
    std::function<void()> onDown, onMove, onKeyPress;
    std::function<void(int yTwips)> onUp;

    LabelButton(const QString& text, QWidget* parent) : QLabel(text, parent) { setFocusPolicy(Qt::TabFocus); }

  protected:
    void keyPressEvent(QKeyEvent* e) override {
        const bool press = e->key() == Qt::Key_Space || e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
        if (!press || (e->modifiers() & ~Qt::KeypadModifier)) {
            QLabel::keyPressEvent(e);
            return;
        }
        if (!e->isAutoRepeat() && onKeyPress)
            onKeyPress();
    }
    void paintEvent(QPaintEvent* e) override {
        QLabel::paintEvent(e);
        if (!hasFocus())
            return;
        QPainter p(this);
        p.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DotLine));
        p.drawRect(rect().adjusted(2, 0, -3, -1));
    }
    void focusInEvent(QFocusEvent* e) override {
        QLabel::focusInEvent(e);
        update();
    }
    void focusOutEvent(QFocusEvent* e) override {
        QLabel::focusOutEvent(e);
        update();
    }
    void mousePressEvent(QMouseEvent*) override {
        if (onDown)
            onDown();
    }
    void mouseMoveEvent(QMouseEvent*) override {
        if (onMove)
            onMove();
    }
    void mouseReleaseEvent(QMouseEvent* e) override {
        if (onUp)
            onUp(Twips::FromPixels(static_cast<int>(std::floor(e->position().y()))));
    }
};

} // namespace

frmMPass::frmMPass(ProgramState& state, QWidget* parent) : QDialog(parent), state_(state) {
    setObjectName(QStringLiteral("frmMPass"));
    setWindowTitle(QStringLiteral("Kestrane Admin [ Password ] Required"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(WidthForCaption(this), WindowHeight);
    setMouseTracking(true);
    WindowKeys::Install(this);
    buildFaces();
    buildControls();
}

void frmMPass::buildFaces() {
    const auto hiddenPicture = [this](const char* name, const QPixmap& pm) {
        auto* l = Widgets::Named(new QLabel(this), name);
        l->setPixmap(pm);
        l->hide();
        return l;
    };
    SetMPS_N = hiddenPicture("SetMPS_N", drawFace(QColor(248, 248, 248), QColor(200, 200, 204), QColor(128, 128, 136)));
    SetMPS_O = hiddenPicture("SetMPS_O", drawFace(QColor(232, 244, 255), QColor(150, 204, 244), QColor(60, 127, 177)));
    SetMPS_X = hiddenPicture("SetMPS_X", drawFace(QColor(120, 150, 180), QColor(70, 100, 135), QColor(30, 40, 60)));
}

void frmMPass::buildControls() {
    const auto picture = [this](const char* name, const QRect& r, const QPixmap& pm) {
        auto* l = Widgets::Named(new QLabel(this), name);
        l->setGeometry(r);
        l->setPixmap(pm);
        l->setMouseTracking(true);
        l->installEventFilter(this);
        return l;
    };
    const int w = width();
    PWBGnd = picture("PWBGnd", QRect(0, 0, w, WindowHeight), drawBackground(w, WindowHeight));
    PwBuBar = picture("PwBuBar", QRect(0, 118, w, 52), drawButtonBar(w, 52));
    Image1 = picture("Image1", QRect(16, 16, 36, 42), drawPadlock());

    MPassInstructLa = new QLabel(QStringLiteral("Enter Password"), this);
    MPassInstructLa->setObjectName(QStringLiteral("MPassInstructLa"));
    MPassInstructLa->setGeometry(66, 14, w - 80, 22);
    QFont bold = MPassInstructLa->font();
    bold.setBold(true);
    bold.setPointSize(10);
    MPassInstructLa->setFont(bold);
    QPalette pal = MPassInstructLa->palette();
    pal.setColor(QPalette::WindowText, PromptColour);
    MPassInstructLa->setPalette(pal);
    MPassInstructLa->setAttribute(Qt::WA_TransparentForMouseEvents);

    MPassWordTb = new QLineEdit(this);
    MPassWordTb->setObjectName(QStringLiteral("MPassWordTb"));
    MPassWordTb->setGeometry(66, 46, w - 80, 24);
    MPassWordTb->setEchoMode(QLineEdit::Password);
    MPassWordTb->setMaxLength(PasswordRules::MaxLength);
    MPassWordTb->setMouseTracking(true);
    MPassWordTb->installEventFilter(this);
    // Typed characters are judged key by key; this catches pasted text.
    connect(MPassWordTb, &QLineEdit::textEdited, this, [this](const QString& text) { checkEditedText(text); });

    const char* captions[3] = {"Change", "Cancel", "Ok"};
    for (int i = 0; i < 3; ++i) {
        const int x = 18 + (w - DesignWidth) / 2 + i * 100;
        Image2[i] = new QLabel(this);
        Image2[i]->setObjectName(QStringLiteral("Image2_%1").arg(i));
        Image2[i]->setGeometry(x, 131, FaceWidth, FaceHeight);
        Image2[i]->setPixmap(SetMPS_N->pixmap());
        Image2[i]->setAttribute(Qt::WA_TransparentForMouseEvents);

        auto* b = new LabelButton(QString::fromLatin1(captions[i]), this);
        b->setObjectName(QStringLiteral("MPWLa_%1").arg(i));
        b->setGeometry(x, 131 + (FaceHeight - LabelHeight) / 2, FaceWidth, LabelHeight);
        b->setAlignment(Qt::AlignCenter);
        QFont f = b->font();
        f.setBold(true);
        b->setFont(f);
        b->setMouseTracking(true);
        b->onDown = [this, i] { MPWLa_MouseDown(i); };
        b->onMove = [this, i] { MPWLa_MouseMove(i); };
        b->onUp = [this, i](int y) { MPWLa_MouseUp(i, y); };
        b->onKeyPress = [this, i] {
            ResetButtonFaces();
            pressButton(i);
        };
        MPWLa[i] = b;
    }
}

void frmMPass::centreWindow() {
    QRect area;
    if (parentWidget())
        area = parentWidget()->window()->frameGeometry();
    else if (const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen())
        area = s->availableGeometry();
    if (area.isValid())
        Centre::At(this, area.center());
}

bool frmMPass::event(QEvent* e) {
    switch (e->type()) {
    case QEvent::WindowDeactivate: {
        // Only a return from another window of the program counts as a new
        // activation: not one from this window's own message boxes, nor from
        // another application.
        const QWidget* now = QApplication::activeWindow();
        leftForOtherWindow_ = ownBoxes_ == 0 && now && now != this;
        break;
    }
    case QEvent::WindowActivate:
        if (leftForOtherWindow_) {
            leftForOtherWindow_ = false;
            Form_Activate();
        }
        break;
    default:
        break;
    }
    return QDialog::event(e);
}

void frmMPass::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (e->spontaneous())
        return;
    unloaded_ = false;
    centreWindow();
    Form_Activate();
}

void frmMPass::hideEvent(QHideEvent* e) {
    // Hidden without one of the window's own closings: the gate stays shut.
    if (!e->spontaneous() && !unloaded_)
        state_.SettingsGateFailed = true;
    QDialog::hideEvent(e);
}

void frmMPass::done(int r) {
    unloaded_ = true;
    if (r != QDialog::Accepted)
        state_.SettingsGateFailed = true;
    QDialog::done(r);
}

bool frmMPass::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() == QEvent::MouseMove) {
        ResetButtonFaces();
        return false;
    }
    if (watched != MPassWordTb || e->type() != QEvent::KeyPress)
        return false;

    const auto* ke = static_cast<QKeyEvent*>(e);
    int k = 0;
    switch (ke->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        k = vb::vbKeyReturn;
        break;
    case Qt::Key_Backspace:
        k = vb::vbKeyBack;
        break;
    case Qt::Key_Escape:
        k = vb::vbKeyEscape;
        break;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete: // an editing key, whatever text it carries
        return false;
    default:
        if (ke->text().isEmpty())
            return false; // no character: cursor and editing keys
        k = ke->text().at(0).unicode();
    }
    MPassWordTb_KeyPress(k);
    return k == 0;
}

void frmMPass::mouseMoveEvent(QMouseEvent* e) {
    ResetButtonFaces();
    QDialog::mouseMoveEvent(e);
}

void frmMPass::Form_Activate() {
    ShowPasswordMode();
}

void frmMPass::CancelPassword() {
    reject();
}

void frmMPass::PromptExistingPassword() {
    MPassInstructLa->setText(QStringLiteral("Enter Existing Password"));
    MPWLa[2]->setText(QStringLiteral("Enter"));
    verifyOld_ = true;
    MPWLa[0]->setEnabled(false);
    setEntryReady();
}

void frmMPass::ShowPasswordMode() {
    // After the window was left, a late step must not reopen the gate.
    if (unloaded_)
        return;
    state_.SettingsGateFailed = false;
    switch (state_.SettingsPasswordMode) {
    case PasswordMode::Set:
        MPWLa[2]->setText(QStringLiteral("SET"));
        MPWLa[0]->setEnabled(false);
        MPassInstructLa->setText(QStringLiteral("Set a Password or Phrase"));
        setEntryReady();
        break;
    case PasswordMode::Confirm:
        MPWLa[2]->setText(QStringLiteral("SET"));
        MPWLa[0]->setEnabled(false);
        setInstruction(QStringLiteral("Enter a New Password"), PromptColour);
        state_.SettingsPasswordMode = PasswordMode::Set;
        setEntryReady();
        break;
    case PasswordMode::Enter:
        MPWLa[2]->setText(QStringLiteral("Enter"));
        MPWLa[0]->setEnabled(true);
        setInstruction(QStringLiteral("Enter Password"), PromptColour);
        setEntryReady();
        break;
    case PasswordMode::None:
        break;
    }
}

void frmMPass::SubmitPassword() {
    using Outcome = PasswordRules::SubmitDecision::Outcome;
    const PasswordRules::SubmitDecision d = PasswordRules::DecideSubmit(
        {verifyOld_, state_.SettingsPasswordMode, entryBytes(), state_.settings.SettingsPassword, state_.NewPassword1});

    switch (d.outcome) {
    case Outcome::OldAccepted:
        StartUp::Pause(0.1);
        if (unloaded_)
            return;
        state_.SettingsPasswordMode = d.nextMode;
        verifyOld_ = false;
        ShowPasswordMode();
        break;
    case Outcome::OldRefused:
        if (!flashInstruction(QStringLiteral("Incorrect Password"), WrongColour))
            return;
        setInstruction(QStringLiteral("Enter Existing Password"), PromptColour);
        MPWLa[2]->setText(QStringLiteral("Enter"));
        setEntryReady();
        break;
    case Outcome::TooShort:
        state_.NewPassword1 = d.entry;
        tell(QString::fromLatin1(d.refusal));
        state_.SettingsPasswordMode = d.nextMode;
        ShowPasswordMode();
        break;
    case Outcome::AskToConfirm:
        state_.NewPassword1 = d.entry;
        state_.SettingsPasswordMode = d.nextMode;
        MPassInstructLa->setText(QStringLiteral("Confirm Password"));
        MPWLa[0]->setText(QStringLiteral("Confirm"));
        setEntryReady();
        break;
    case Outcome::Mismatch:
        state_.NewPassword2 = d.entry;
        tell(QString::fromLatin1(d.refusal));
        MPassInstructLa->setText(QStringLiteral("Set a Password or Phrase"));
        MPWLa[2]->setText(QStringLiteral("SET"));
        MPassWordTb->clear();
        state_.SettingsPasswordMode = d.nextMode;
        break;
    case Outcome::SaveNew:
        state_.NewPassword2 = d.entry;
        state_.SettingsPasswordMode = d.nextMode;
        // Saved before the success is shown, so a failed save is never
        // announced as a new password.
        if (!saveNewPassword(d.entry))
            return;
        if (flashInstruction(QStringLiteral("New Password Set Ok"), SuccessColour))
            accept();
        break;
    case Outcome::Refused:
        if (!flashInstruction(QStringLiteral("Incorrect Password"), WrongColour))
            return;
        MPWLa[2]->setText(QStringLiteral("Enter"));
        MPassWordTb->clear();
        ShowPasswordMode();
        break;
    case Outcome::Accepted:
        if (flashInstruction(QStringLiteral("Password Accepted"), SuccessColour,
                             [this] { state_.SettingsPasswordGiven = true; }))
            accept();
        break;
    case Outcome::Nothing:
        break;
    }
}

bool frmMPass::saveNewPassword(const std::string& password) {
    const std::string oldPassword = state_.settings.SettingsPassword;
    const bool oldGiven = state_.SettingsPasswordGiven;
    state_.settings.SettingsPassword = password;
    state_.SettingsPasswordGiven = true;
    const FileError err = modUsrSettings::SaveSettings(state_);
    if (!err)
        return true;
    state_.settings.SettingsPassword = oldPassword;
    state_.SettingsPasswordGiven = oldGiven;
    ++ownBoxes_;
    Errors::Report(this, Errors::Place::PasswordSave, err);
    --ownBoxes_;
    reject();
    return false;
}

void frmMPass::MPassWordTb_KeyPress(int& keyAscii) {
    using Action = PasswordRules::KeyDecision::Action;
    const PasswordRules::KeyDecision d = PasswordRules::DecideKey(keyAscii, extendedAllowed());
    switch (d.action) {
    case Action::Pass:
        return;
    case Action::Submit:
        keyAscii = 0;
        SubmitPassword();
        return;
    case Action::Leave:
        keyAscii = 0;
        MPassWordTb->clear();
        reject();
        return;
    case Action::Refuse:
        keyAscii = 0;
        tell(QString::fromLatin1(d.refusal));
        MPassWordTb->clear();
        return;
    }
}

void frmMPass::checkEditedText(const QString& text) {
    const PasswordRules::EditDecision d = PasswordRules::DecideEditedText(text.toStdU16String(), extendedAllowed());
    if (d.refusal) {
        tell(QString::fromLatin1(d.refusal));
        MPassWordTb->clear();
    }
}

bool frmMPass::extendedAllowed() const {
    return PasswordRules::ExtendedAllowed(state_.options().allowExtPasswordChars(), verifyOld_,
                                          state_.SettingsPasswordMode);
}

void frmMPass::MPWLa_MouseDown(int i) {
    if (buttonFace_ == ButtonFaces{ButtonFaces::Pressed, i})
        return;
    ResetButtonFaces();
    buttonFace_ = {ButtonFaces::Pressed, i};
    Image2[i]->setPixmap(SetMPS_X->pixmap());
}

void frmMPass::MPWLa_MouseMove(int i) {
    if (buttonFace_ == ButtonFaces{ButtonFaces::Hovered, i} || buttonFace_.look == ButtonFaces::Pressed)
        return;
    ResetButtonFaces();
    buttonFace_ = {ButtonFaces::Hovered, i};
    Image2[i]->setPixmap(SetMPS_O->pixmap());
}

void frmMPass::MPWLa_MouseUp(int i, int yTwips) {
    ResetButtonFaces();
    if (yTwips < -75 || yTwips > 285)
        return;
    pressButton(i);
}

void frmMPass::pressButton(int i) {
    switch (i) {
    case 0:
        PromptExistingPassword();
        break;
    case 1:
        CancelPassword();
        break;
    case 2:
        SubmitPassword();
        break;
    default:
        break;
    }
}

void frmMPass::ResetButtonFaces() {
    if (buttonFace_.look == ButtonFaces::AllNormal)
        return;
    buttonFace_ = {ButtonFaces::AllNormal, 0};
    for (QLabel* face : Image2)
        face->setPixmap(SetMPS_N->pixmap());
}

void frmMPass::setInstruction(const QString& text, const QColor& colour) {
    QPalette pal = MPassInstructLa->palette();
    pal.setColor(QPalette::WindowText, colour);
    MPassInstructLa->setPalette(pal);
    MPassInstructLa->setText(text);
}

void frmMPass::setEntryReady() {
    MPassWordTb->clear();
    MPassWordTb->setFocus();
}

bool frmMPass::flashInstruction(const QString& text, const QColor& colour, const std::function<void()>& beforeHold) {
    setInstruction(text, colour);
    for (int n = 0; n < 4; ++n) {
        MPassInstructLa->setText(text);
        StartUp::Pause(0.05);
        MPassInstructLa->clear();
        StartUp::Pause(0.05);
        if (unloaded_)
            return false;
    }
    MPassInstructLa->setText(text);
    if (beforeHold)
        beforeHold();
    StartUp::Pause(0.9);
    return !unloaded_;
}

void frmMPass::tell(const QString& text) {
    ++ownBoxes_;
    MsgBox(text, vb::vbExclamation, QString::fromLatin1(MsgTitle), this);
    --ownBoxes_;
}

std::string frmMPass::entryBytes() const {
    return Latin1::ToBytes(MPassWordTb->text());
}

#include "frmMPass.moc"
