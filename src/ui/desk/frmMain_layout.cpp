// The main window's controls and where they sit.
#include "ui/desk/frmMain.h"

#include "core/desk/ListDate.h"
#include "core/desk/TimeGridRules.h"
#include "platform/ClickLabel.h"
#include "platform/Grid.h"
#include "platform/MonthCalendar.h"
#include "ui/startup/Artwork.h"

#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

template <typename T> T* named(T* w, const char* name) {
    w->setObjectName(QString::fromLatin1(name));
    return w;
}

QLabel* caption(QWidget* parent, const QString& text, int x, int y, int w, bool bold = false) {
    auto* l = new QLabel(text, parent);
    l->setGeometry(x, y, w, 20);
    if (bold) {
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
    }
    return l;
}

QPushButton* button(QWidget* parent, const char* name, const QString& text, const QString& tip, QRect at) {
    auto* b = named(new QPushButton(text, parent), name);
    // The window's own key map runs the Alt shortcuts; the underlined letter is only a hint.
    b->setShortcut(QKeySequence());
    b->setAutoDefault(false);
    b->setFocusPolicy(Qt::TabFocus);
    if (!tip.isEmpty())
        b->setToolTip(tip);
    b->setGeometry(at);
    return b;
}

QLineEdit* box(QWidget* parent, const char* name, QRect at, int maxLength = 0) {
    auto* e = named(new QLineEdit(parent), name);
    e->setGeometry(at);
    if (maxLength > 0)
        e->setMaxLength(maxLength);
    return e;
}

QFrame* panel(QWidget* parent, const char* name, QRect at) {
    auto* f = named(new QFrame(parent), name);
    f->setFrameShape(QFrame::StyledPanel);
    f->setGeometry(at);
    return f;
}

QLabel* statusLabel(QLabel* l, const char* name, const QString& text, QRect at) {
    named(l, name);
    l->setText(text);
    l->setAlignment(Qt::AlignCenter);
    l->setFrameShape(QFrame::Panel);
    l->setFrameShadow(QFrame::Sunken);
    l->setAutoFillBackground(true);
    l->setGeometry(at);
    return l;
}

} // namespace

void frmMain::BuildControls() {
    Fraim1 = panel(this, "Fraim1", QRect(6, 4, 202, 334));
    Fraim5 = panel(this, "Fraim5", QRect(214, 4, 180, 334));
    Fraim4 = panel(this, "Fraim4", QRect(400, 4, 552, 334));
    BuildListArea();
    BuildTimeArea();
    BuildBookingArea();

    qxlogoIM = named(new ClickLabel(this), "qxlogoIM");
    qxlogoIM->setPixmap(Artwork::MakerLogo(false));
    qxlogoIM->setToolTip(QStringLiteral(" About Kestrane "));
    qxlogoIM->setCursor(Qt::PointingHandCursor);
    qxlogoIM->setMouseTracking(true);
    qxlogoIM->setGeometry(961, 8, 44, 44);

    StatGrid = named(new Grid(this), "StatGrid");
    StatGrid->setGeometry(8, 344, 982, 320);

    // The calendar panel opens over the list area and the time grid.
    PicCal1 = panel(this, "PicCal1", QRect(115, 112, 262, 214));
    PicCal1->setAutoFillBackground(true);
    Calendar1 = named(new MonthCalendar(PicCal1), "Calendar1");
    Calendar1->setToolTip(QStringLiteral("Double-click to Enter a date and close the Calendar"));
    Calendar1->setGeometry(4, 4, 254, 176);
    cmdCalDECR = button(PicCal1, "cmdCalDECR", QStringLiteral("<"), QString(), QRect(4, 184, 40, 24));
    cmdCalINCR = button(PicCal1, "cmdCalINCR", QStringLiteral(">"), QString(), QRect(218, 184, 40, 24));
    PicCal1->hide();
    PicCal1->raise();

    // Tab order follows the booking form's reading order.
    const QList<QWidget*> order{FirstNameTB, LastNameTB, PersGendTB, PersMobTB,  PersCarRegTB,
                                PersEmailTB, CataCB,     Dept1CB,    CatOrganTB, CatPartyTB,
                                CatAdrTB,    CatDDITB,   CatPCodeTB, CatAltTTB,  CatEMATB};
    for (int i = 0; i + 1 < order.size(); ++i)
        setTabOrder(order[i], order[i + 1]);
}

void frmMain::BuildListArea() {
    QWidget* p = Fraim1;
    caption(p, QStringLiteral("Show BOOKINGS for"), 6, 4, 190, true);
    CBGetDay = named(new QComboBox(p), "CBGetDay");
    for (const std::string& d : ListDate::DayEntries())
        CBGetDay->addItem(QString::fromStdString(d));
    CBGetDay->setEditable(true);
    CBGetDay->setGeometry(6, 26, 58, 24);
    CBGetMonth = named(new QComboBox(p), "CBGetMonth");
    for (const std::string& m : ListDate::MonthNames())
        CBGetMonth->addItem(QString::fromStdString(m));
    CBGetMonth->setEditable(true);
    CBGetMonth->setGeometry(68, 26, 96, 24);
    cmdListCal = button(p, "cmdListCal", QStringLiteral("..."),
                        QStringLiteral(" Opens and closes a clickable calendar "), QRect(168, 26, 28, 24));
    cmdListCal->setIcon(style()->standardIcon(QStyle::SP_FileDialogDetailedView));
    cmdListCal->setText(QString());
    caption(p, QStringLiteral("Year"), 6, 56, 40);
    CBGetYear = named(new QComboBox(p), "CBGetYear");
    for (int y = ListDate::FirstYear; y <= ListDate::LastYear(); ++y)
        CBGetYear->addItem(QString::number(y));
    CBGetYear->setEditable(true);
    CBGetYear->setGeometry(68, 54, 96, 24);

    cmdGetAny = button(p, "cmdGetAny", QStringLiteral("&Day"),
                       QStringLiteral(" Shows a list of bookings and passes that are valid for the selected Day "),
                       QRect(6, 86, 92, 26));
    cmdGetTom = button(p, "cmdGetTom", QStringLiteral("&Month"),
                       QStringLiteral(" Shows a list of bookings for the month (A record with a valid pass, but no "
                                      "booking, will not be shown) Press [F3]"),
                       QRect(104, 86, 92, 26));
    cmdGetToday = button(p, "cmdGetToday", QStringLiteral("&Today"),
                         QStringLiteral(" Shows a list of bookings and passes that are valid for Today - Press [F2]"),
                         QRect(6, 116, 92, 26));
    cmdDayList = button(p, "cmdDayList", QStringLiteral("Show [F5]"),
                        QStringLiteral(" Controls and shows the arrival and departure times of bookings and passes "
                                       "that are valid for Today "),
                        QRect(104, 116, 92, 26));
    cmdIN = button(p, "cmdIN", QStringLiteral("On-Site"),
                   QStringLiteral(" Marks an individual as having arrived on-site "), QRect(6, 146, 92, 26));
    cmdOUT = button(p, "cmdOUT", QStringLiteral("Off-Site"),
                    QStringLiteral(" Marks an individual as having departed the site  Note: you cannot mark as "
                                   "departed if there is no arrival time  "),
                    QRect(104, 146, 92, 26));

    CBListBy = named(new QComboBox(p), "CBListBy");
    CBListBy->setEditable(true);
    CBListBy->setGeometry(6, 182, 190, 24);
    SearchLa = named(new QLabel(p), "SearchLa");
    SearchLa->setGeometry(6, 208, 190, 18);
    MainFindTB = box(p, "MainFindTB", QRect(6, 228, 190, 24));
    cmdMFind =
        button(p, "cmdMFind", QStringLiteral("Find [F4]"),
               QStringLiteral(" Starts a search - or you can just press the [ Enter ] key "), QRect(6, 258, 92, 26));
    cmdPRINT = button(p, "cmdPRINT", QStringLiteral("&Print..."),
                      QStringLiteral(" Generates a print preview and enables you to print the current list "),
                      QRect(104, 258, 92, 26));
    Command1 = button(p, "Command1", QStringLiteral("Test Data"), QString(), QRect(6, 300, 92, 26));
    Command2 = button(p, "Command2", QStringLiteral("TGA Test"), QString(), QRect(104, 300, 92, 26));
    Label19 = named(caption(this, QStringLiteral("[F1] for Help"), 961, 56, 50), "Label19");
    Label19->setWordWrap(true);
    Label19->resize(50, 34);
}

void frmMain::BuildTimeArea() {
    QWidget* p = Fraim5;
    caption(p, QStringLiteral("BOOKING"), 6, 2, 100, true);
    caption(p, QStringLiteral("SELECT  MONTH"), 6, 20, 160);
    CBMonth = named(new QComboBox(p), "CBMonth");
    for (const std::string& m : ListDate::MonthNames())
        CBMonth->addItem(QString::fromStdString(m));
    CBMonth->setEditable(true);
    CBMonth->setGeometry(6, 40, 100, 24);
    CBYear = named(new QComboBox(p), "CBYear");
    for (int y = 2010; y <= 2100; ++y)
        CBYear->addItem(QString::number(y));
    CBYear->setEditable(true);
    CBYear->setGeometry(110, 40, 64, 24);
    caption(p, QStringLiteral("SELECT DAY    ** TODAY"), 6, 68, 168);

    shDayBorder = named(new QFrame(p), "shDayBorder");
    shDayBorder->setGeometry(3, 86, 174, 168);
    shDayBorder->setStyleSheet(QStringLiteral("QFrame#shDayBorder { border: 2px solid red; }"));
    shDayBorder->hide();
    TimeGrid = named(new Grid(p), "TimeGrid");
    TimeGrid->setGeometry(6, 89, 168, 162);

    caption(p, QStringLiteral("ASSIGN TIME"), 6, 258, 90);
    laSelTime = named(caption(p, QStringLiteral("Select"), 100, 258, 74), "laSelTime");
    cbTime = named(new QComboBox(p), "cbTime");
    for (const std::string& t : TimeGridRules::TimeChoices())
        cbTime->addItem(QString::fromStdString(t));
    cbTime->setEditable(true);
    cbTime->setCurrentText(QString::fromLatin1(TimeGridRules::InitialTimeChoice));
    cbTime->setGeometry(6, 278, 76, 24);
    cmdADD = button(p, "cmdADD", QStringLiteral("+"), QString(), QRect(88, 278, 40, 24));
    cmdSUB = button(p, "cmdSUB", QStringLiteral("-"), QString(), QRect(134, 278, 40, 24));
    cmdCLEARAll = button(p, "cmdCLEARAll", QStringLiteral("Clear All"), QString(), QRect(6, 306, 168, 24));
}

void frmMain::BuildBookingArea() {
    QWidget* p = Fraim4;
    caption(p, QStringLiteral("Make Booking"), 6, 2, 200, true);
    constexpr int top = 24, step = 26;
    const auto row = [](int r) { return top + r * step; };
    // Left column: the visitor.
    const int lx = 6, lbox = 86, lw = 178;
    caption(p, QStringLiteral("Booking No"), lx, row(0) + 2, 78);
    RegNoTB = box(p, "RegNoTB", QRect(lbox, row(0), lw, 22));
    RegNoTB->setReadOnly(true);
    RegNoTB->setFocusPolicy(Qt::NoFocus);
    RegNoTB->setAutoFillBackground(true);
    caption(p, QStringLiteral("First Name"), lx, row(1) + 2, 78);
    FirstNameTB = box(p, "FirstNameTB", QRect(lbox, row(1), lw, 22), 16);
    caption(p, QStringLiteral("Last Name"), lx, row(2) + 2, 78);
    LastNameTB = box(p, "LastNameTB", QRect(lbox, row(2), lw - 36, 22), 18);
    PersGendTB = box(p, "PersGendTB", QRect(lbox + lw - 32, row(2), 32, 22), 1);
    PersGendTB->setReadOnly(true);
    PersGendTB->setAlignment(Qt::AlignCenter);
    PersGendTB->setToolTip(QStringLiteral(" Click to change between M and F "));
    caption(p, QStringLiteral("Mobile"), lx, row(3) + 2, 78);
    PersMobTB = box(p, "PersMobTB", QRect(lbox, row(3), lw, 22), 16);
    caption(p, QStringLiteral("Car Reg."), lx, row(4) + 2, 78);
    PersCarRegTB = box(p, "PersCarRegTB", QRect(lbox, row(4), 100, 22), 10);
    caption(p, QStringLiteral("E-mail"), lx, row(5) + 2, 78);
    PersEmailTB = box(p, "PersEmailTB", QRect(lbox, row(5), lw, 22), 42);
    caption(p, QStringLiteral("Personal"), lx, row(6) + 4, 78);
    CmdPersonal = button(p, "CmdPersonal", QStringLiteral("More..."),
                         QStringLiteral(" Opens a dialogue to place more detailed information about your visitor "),
                         QRect(lbox, row(6), 80, 24));

    caption(p, QStringLiteral("Pass"), lx, row(7) + 4, 78);
    PassPrntdLa =
        statusLabel(new QLabel(p), "PassPrntdLa", QStringLiteral("No Pass on-File"), QRect(lbox, row(7) + 2, lw, 22));
    caption(p, QStringLiteral("Photo"), lx, row(8) + 4, 78);
    PhotoOnFLa = statusLabel(new QLabel(p), "PhotoOnFLa", QStringLiteral("NO PHOTO"), QRect(lbox, row(8) + 2, lw, 22));
    caption(p, QStringLiteral("ARRIVED:"), lx, row(9) + 4, 78);
    LaON_Site = static_cast<ClickLabel*>(
        statusLabel(new ClickLabel(p), "LaON_Site", QStringLiteral("  -  "), QRect(lbox, row(9) + 2, 48, 22)));
    LaON_Site->setToolTip(QStringLiteral("  Double-click to delete any time of arrival  Note: if a time of departure "
                                         "exists this has to be deleted first "));
    caption(p, QStringLiteral("DEPARTED:"), lbox + 52, row(9) + 4, 72);
    LaOFFSite = static_cast<ClickLabel*>(
        statusLabel(new ClickLabel(p), "LaOFFSite", QStringLiteral("  -  "), QRect(lbox + 128, row(9) + 2, 50, 22)));
    LaOFFSite->setToolTip(QStringLiteral(" Double-click to delete any time of departure "));

    // Right column: the organisation and the visit.
    const int rx = 276, rbox = 366, rw = 180;
    caption(p, QStringLiteral("Category"), rx, row(0) + 2, 88);
    CataCB = named(new QComboBox(p), "CataCB");
    CataCB->setEditable(true);
    CataCB->setEditText(QStringLiteral("VISITOR"));
    CataCB->setGeometry(rbox, row(0), rw, 22);
    caption(p, QStringLiteral("Department"), rx, row(1) + 2, 88);
    Dept1CB = named(new QComboBox(p), "Dept1CB");
    Dept1CB->setEditable(true);
    Dept1CB->setEditText(QStringLiteral(" -  Select  - "));
    Dept1CB->setGeometry(rbox, row(1), rw, 22);
    caption(p, QStringLiteral("Organisation"), rx, row(2) + 2, 88);
    CatOrganTB = box(p, "CatOrganTB", QRect(rbox, row(2), rw, 22), 50);
    caption(p, QStringLiteral("Party Size"), rx, row(3) + 2, 88);
    CatPartyTB = box(p, "CatPartyTB", QRect(rbox, row(3), 44, 22), 3);
    caption(p, QStringLiteral("Address"), rx, row(4) + 2, 88);
    CatAdrTB = box(p, "CatAdrTB", QRect(rbox, row(4), rw, 22), 64);
    caption(p, QStringLiteral("Telephone"), rx, row(5) + 2, 88);
    CatDDITB = box(p, "CatDDITB", QRect(rbox, row(5), rw, 22), 16);
    caption(p, QStringLiteral("Post Code"), rx, row(6) + 2, 88);
    CatPCodeTB = box(p, "CatPCodeTB", QRect(rbox, row(6), 96, 22), 10);
    caption(p, QStringLiteral("Alt. Telephone"), rx, row(7) + 2, 88);
    CatAltTTB = box(p, "CatAltTTB", QRect(rbox, row(7), rw, 22), 16);
    caption(p, QStringLiteral("Org. E-mail"), rx, row(8) + 2, 88);
    CatEMATB = box(p, "CatEMATB", QRect(rbox, row(8), rw, 22), 42);
    caption(p, QStringLiteral("Location"), rx, row(9) + 4, 88);
    cmdMore = button(p, "cmdMore", QStringLiteral("More..."),
                     QStringLiteral(" Opens a dialogue to place more detailed information about your visitor's "
                                    "organisation  "),
                     QRect(rbox, row(9), 80, 24));

    const int by = 300;
    cmdNEW = button(p, "cmdNEW", QStringLiteral("&New"),
                    QStringLiteral(" Creates a new booking.  Kestrane requires that you enter First and Last names "
                                   "together with Organisation name before you can save the record  [ F7 ] "),
                    QRect(6, by, 84, 28));
    cmdSAVE = button(p, "cmdSAVE", QStringLiteral("&Save"),
                     QStringLiteral(" Saves any changes to the current record.  Note if the booked time is not within "
                                    "the current month then a new record is created "),
                     QRect(96, by, 84, 28));
    cmdDelete = button(p, "cmdDelete", QStringLiteral("Delete"),
                       QStringLiteral(" Deletes the current record and its associated photo "), QRect(186, by, 84, 28));
    cmdGetCARD = button(p, "cmdGetCARD", QStringLiteral("Pass [F9]"),
                        QStringLiteral(" Opens a dialogue to issue/revoke passes and to take and manage photos  "),
                        QRect(366, by, 100, 28));
    cmdMultiDELETE = button(p, "cmdMultiDELETE", QStringLiteral("X"),
                            QStringLiteral(" Opens the Mass Delete dialogue box.  Use the Manage Photos dialogue to "
                                           "delete photographs  "),
                            QRect(516, by, 30, 28));
}
