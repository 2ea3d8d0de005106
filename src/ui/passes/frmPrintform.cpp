#include "ui/passes/frmPrintform.h"

#include "core/Clock.h"
#include "core/passes/PassRules.h"
#include "core/passes/PhotoFile.h"
#include "platform/Latin1Text.h"
#include "platform/MsgBox.h"
#include "platform/Pause.h"
#include "platform/PictureFile.h"
#include "platform/PrintQueue.h"
#include "ui/common/Centre.h"
#include "ui/common/Widgets.h"

#include <QLabel>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <QTimer>

using Widgets::Named;

frmPrintform::frmPrintform(ProgramState& state, const PreparedPass& pass, QWidget* parent)
    : QWidget(parent, Qt::Window), state_(state), pass_(pass) {
    setObjectName(QStringLiteral("frmPrintform"));
    setWindowTitle(QStringLiteral("NOW PRINTING "));
    PFirmNameTB = Named(new QLabel(this), "PFirmNameTB");
    P_PassNameTB = Named(new QLabel(this), "P_PassNameTB");
    P_PassRegOPTB = Named(new QLabel(this), "P_PassRegOPTB");
    P_PassOrganTB = Named(new QLabel(this), "P_PassOrganTB");
    P_PassDeptTB = Named(new QLabel(this), "P_PassDeptTB");
    P_PASSValidTB = Named(new QLabel(this), "P_PASSValidTB");
    P_PassDateTB = Named(new QLabel(this), "P_PassDateTB");
    P_PassTimeTB = Named(new QLabel(this), "P_PassTimeTB");
    laBCp = Named(new QLabel(this), "laBCp");
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    Timer1->setSingleShot(true);
    connect(Timer1, &QTimer::timeout, this, &frmPrintform::Timer1_Timer);
}

frmPrintform::~frmPrintform() = default;

void frmPrintform::Form_Load() {
    CentreForm();
    FillPrintCard();
    ShowBarcode();
}

void frmPrintform::CentreForm() {
    Centre::OnPrimaryScreen(this);
}

void frmPrintform::FillPrintCard() {
    const BookingFields& r = state_.CurrentRecord;
    PFirmNameTB->setText(Latin1::FromBytes(state_.SiteName).toUpper());
    const QString name = Latin1::FromBytes(r.FirstName) + u' ' + Latin1::FromBytes(r.LastName);
    P_PassNameTB->setText(name);
    P_PassRegOPTB->setText(QStringLiteral("No. ") + Latin1::FromBytes(r.RegNo));
    P_PassOrganTB->setText(Latin1::FromBytes(r.Organisation));
    P_PassDeptTB->setText(Latin1::FromBytes(r.Department));
    if (!name.trimmed().isEmpty()) {
        P_PASSValidTB->setText(Latin1::FromBytes(pass_.PassValidityText));
        P_PassDateTB->setText(Latin1::FromBytes(pass_.NewPassStart));
        P_PassTimeTB->setText(Latin1::FromBytes(Passes::IssueStamp(Clock::Now())));
    }
    const std::string photo = pass_.PhotoFoundFlag
                                  ? PhotoFile::PhotoFilePath(state_.settings.DataRoot, r.RegNo, r.FirstName, r.LastName)
                                  : Passes::PlaceholderPhoto(state_.ProgramFolder);
    photo_ = PictureFromFile(photo);
    if (state_.options().showPassLogo())
        logo_ = PictureFromFile(Passes::PassLogoFile(state_.ProgramFolder));
    StartUp::Pause(0.1);
    Timer1->start();
}

void frmPrintform::ShowBarcode() {
    laBCp->setVisible(state_.options().showPassBarcode());
    laBCp->setText(QStringLiteral("*") + Latin1::FromBytes(state_.CurrentRecord.RegNo) + QStringLiteral("*"));
}

PassCard::Content frmPrintform::Card() const {
    PassCard::Content c;
    c.firmName = PFirmNameTB->text();
    c.name = P_PassNameTB->text();
    c.organisation = P_PassOrganTB->text();
    c.department = P_PassDeptTB->text();
    c.validity = P_PASSValidTB->text();
    c.validFrom = P_PassDateTB->text();
    c.issued = P_PassTimeTB->text();
    c.regNo = Latin1::FromBytes(state_.CurrentRecord.RegNo);
    c.photo = photo_;
    c.logo = logo_;
    c.showBarcode = state_.options().showPassBarcode();
    return c;
}

void frmPrintform::Timer1_Timer() {
    Timer1->stop();
    if (done_)
        return;
    done_ = true;
    StartUp::Pause(0.1);
    QString failure;
    if (!PrintCard(Card(), failure)) {
        MsgBox(failure, vb::vbExclamation, QStringLiteral("Kestrane"), parentWidget());
        return;
    }
    // Stored only once the printer has the pass; the desk saves it (PassChanged).
    BookingFields& r = state_.CurrentRecord;
    r.PassStart = pass_.NewPassStart;
    r.PassEnd = pass_.NewPassEnd;
    r.PassPeriod = pass_.NewPassPeriod;
    r.PassIssued = pass_.NewPassIssued;
    state_.PassChanged = true;
    printed_ = true;
}

void frmPrintform::finish() {
    if (!done_)
        Timer1_Timer();
}

bool frmPrintform::PrintCard(const PassCard::Content& card, QString& failure) {
    const auto paint = [&card](QPrinter& printer) {
        printer.setDocName(QStringLiteral("Kestrane pass ") + card.regNo);
        QPainter painter;
        if (!painter.begin(&printer))
            return false;
        PassCard::Paint(painter, card, printer.resolution());
        return painter.end() && printer.printerState() != QPrinter::Error;
    };
    const QString couldNotTake = QStringLiteral("The pass was not printed: the printer could not take it");
    // KESTRANE_PRINT_TO_PDF=<file> sends the pass to that PDF file instead of
    // the printer, so tests can read a printed pass back.
    const QString pdf = qEnvironmentVariable("KESTRANE_PRINT_TO_PDF");
    if (!pdf.isEmpty()) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        if (!paint(printer)) {
            failure = couldNotTake;
            return false;
        }
        return true;
    }
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        failure = QStringLiteral("The pass was not printed: there is no default printer");
        return false;
    }
    // Qt's printer hands its job to the print system without saying whether
    // the queue took it; the card is drawn to a file on the printer's paper
    // and handed over here, where the queue's answer is heard.
    const QTemporaryDir folder;
    QPrinter printer(info, QPrinter::HighResolution);
    const QPageLayout paper = printer.pageLayout();
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageLayout(paper);
    printer.setOutputFileName(folder.filePath(QStringLiteral("pass.pdf")));
    if (!folder.isValid() || !paint(printer)) {
        failure = couldNotTake;
        return false;
    }
    const PrintQueue::Answer answer =
        PrintQueue::Submit(info.printerName(), printer.outputFileName(), printer.docName());
    if (!answer.accepted) {
        failure = QStringLiteral("The pass was not printed: ") + answer.reason;
        return false;
    }
    return true;
}
