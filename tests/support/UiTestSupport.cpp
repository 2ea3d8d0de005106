#include "UiTestSupport.h"

#include <QBuffer>

#include <cstdio>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

RecordingResponder::RecordingResponder() {
    SetMsgBoxResponder([this](const MsgBoxCall& call) {
        calls_.push_back(call);
        if (!answers_.empty()) {
            const int a = answers_.front();
            answers_.pop_front();
            return a;
        }
        switch (call.buttons()) {
        case vb::vbOKCancel:
            return vb::vbOK;
        case vb::vbYesNo:
        case vb::vbYesNoCancel:
            return vb::vbYes;
        case vb::vbAbortRetryIgnore:
            return vb::vbAbort;
        case vb::vbRetryCancel:
            return vb::vbRetry;
        default:
            return vb::vbOK;
        }
    });
}

RecordingResponder::~RecordingResponder() {
    SetMsgBoxResponder(nullptr);
}

TestProgramFolder::TestProgramFolder() {
    const fs::path built = KESTRANE_PROGRAM_DIR;
    std::error_code ec;
    for (const char* d : {"_KSF", "KestraneDocs"})
        fs::copy(built / d, temp_.path() / d, fs::copy_options::recursive, ec);
    fs::remove(temp_.path() / "_KSF/KSystem/qxsabusr.dat", ec); // start without settings
    // The pick-lists as shipped (the build tree keeps whatever a run of the program edited).
    fs::copy_file(fs::path(KESTRANE_SOURCE_DIR) / "resources/_KSF/KSystem/KACustom.ini",
                  temp_.path() / "_KSF/KSystem/KACustom.ini", fs::copy_options::overwrite_existing, ec);
    for (const char* d : {"Record", "Status", "photo"})
        fs::create_directories(temp_.path() / "Kestranedata" / d);
    path_ = temp_.withSlash();
}

void TestProgramFolder::addEmptyMonthFiles() const {
    for (int y = 10; y <= 27; ++y)
        for (int m = 1; m <= 12; ++m) {
            char name[16];
            std::snprintf(name, sizeof name, "%02d%02d.vrf", y, m);
            std::ofstream(path_ + "Kestranedata/Record/" + name, std::ios::app);
        }
}

ProgramState TestProgramFolder::makeState() const {
    ProgramState s;
    s.ProgramFolder = path_;
    s.settings.DataRoot = path_ + "Kestranedata";
    s.settings.SystemPathSetting = path_;
    return s;
}

#include <QApplication>
#include <QPointer>
#include <QTimer>

std::unique_ptr<QTimer> OnNextModal(std::function<void(QWidget*)> action) {
    auto timer = std::make_unique<QTimer>();
    timer->setInterval(5);
    QTimer* t = timer.get();
    // A window already modal when the watch starts is the one the test is
    // in, not the one it waits for.
    QPointer<QWidget> before = QApplication::activeModalWidget();
    QObject::connect(t, &QTimer::timeout, [t, action, before]() {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal != before) {
            t->stop();
            action(modal);
        }
    });
    t->start();
    return timer;
}

#include <QKeyEvent>

void TypeText(QWidget* target, const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        QString one(text.at(i));
        if (text.at(i).isHighSurrogate() && i + 1 < text.size())
            one += text.at(++i);
        const bool newLine = one == u"\n";
        QKeyEvent press(QEvent::KeyPress, newLine ? int(Qt::Key_Return) : 0, Qt::NoModifier,
                        newLine ? QStringLiteral("\r") : one);
        QApplication::sendEvent(target, &press);
    }
}

#include "platform/Grid.h"
#include "platform/VbColor.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <sstream>

namespace User {

void ShowActive(QWidget* window) {
    window->show();
    window->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(window));
}

void Click(QWidget* window, const char* buttonName) {
    if (auto* button = Control<QPushButton>(window, buttonName))
        QTest::mouseClick(button, Qt::LeftButton);
}

void ClickCell(QWidget* window, Grid* grid, int row, int col) {
    const QModelIndex cell = grid->model()->index(row, col);
    grid->scrollTo(cell);
    const QPoint at = grid->viewport()->mapTo(window, grid->visualRect(cell).center());
    QWidget* target = window->childAt(at);
    ASSERT_TRUE(target) << "nothing shows at the cell";
    QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(window, at));
}

void ClickHeading(Grid* grid, int col) {
    QHeaderView* headings = grid->horizontalHeader();
    const QPoint at(headings->sectionViewportPosition(col) + headings->sectionSize(col) / 2, headings->height() / 2);
    QTest::mouseClick(headings->viewport(), Qt::LeftButton, {}, at);
}

void Type(const QString& text) {
    for (const QChar c : text)
        TypeText(QApplication::focusWidget(), QString(c));
    QApplication::processEvents(); // an item view commits an edit ended by Return in a queued call
}

void Retype(QLineEdit* box, const QString& text) {
    box->setFocus();
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Delete);
    TypeText(box, text);
}

void Choose(QComboBox* combo, const QString& text) {
    combo->setFocus();
    const int target = combo->findText(text);
    ASSERT_GE(target, 0) << "no entry " << text.toStdString();
    for (int i = 0; i <= combo->count() && combo->currentText() != text; ++i)
        QTest::keyClick(combo, combo->currentIndex() < target ? Qt::Key_Down : Qt::Key_Up);
    EXPECT_EQ(combo->currentText(), text);
}

void Pick(QComboBox* combo, const QString& text) {
    const int target = combo->findText(text);
    ASSERT_GE(target, 0) << "no entry " << text.toStdString();
    QTest::mouseClick(combo, Qt::LeftButton, {}, QPoint(combo->width() - 5, combo->height() / 2));
    QAbstractItemView* list = combo->view();
    ASSERT_TRUE(list->isVisible()) << "the list did not open";
    const QModelIndex entry = list->model()->index(target, combo->modelColumn(), combo->rootModelIndex());
    list->scrollTo(entry);
    const QPoint at = list->visualRect(entry).center();
    QTest::mouseMove(list->viewport(), QPoint(1, 1)); // off the arrow first, as a hand moves
    QTest::mouseMove(list->viewport(), at);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    EXPECT_FALSE(list->isVisible());
}

std::string AltKeysInEveryBox(QWidget* window, const char* keys) {
    QStringList changed;
    const auto press = [keys](QWidget* box) {
        box->setFocus();
        for (const char* k = keys; *k; ++k)
            QTest::keyClick(box, Qt::Key(*k), Qt::AltModifier);
        QTest::keyClick(box, Qt::Key(*keys), Qt::AltModifier | Qt::ShiftModifier);
    };
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(window) || !w->isEnabled())
            continue;
        QString name = w->objectName();
        if (name.isEmpty() && w->parentWidget())
            name = w->parentWidget()->objectName(); // a drop-down's text box
        if (auto* line = qobject_cast<QLineEdit*>(w); line && !line->isReadOnly()) {
            const QString before = line->text();
            press(line);
            if (line->text() != before)
                changed << name + QStringLiteral(": ") + line->text();
        } else if (auto* notes = qobject_cast<QPlainTextEdit*>(w); notes && !notes->isReadOnly()) {
            const QString before = notes->toPlainText();
            press(notes);
            if (notes->toPlainText() != before)
                changed << name + QStringLiteral(": ") + notes->toPlainText();
        }
    }
    return changed.join(QStringLiteral(" | ")).toStdString();
}

} // namespace User

bool WriteBitmap(const QImage& image, const std::string& path) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!image.save(&buffer, "BMP"))
        return false;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.constData(), bytes.size());
    return static_cast<bool>(out);
}

std::vector<std::string> FileLines(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    std::vector<std::string> lines;
    const std::string all = ss.str();
    std::size_t start = 0;
    while (start < all.size()) {
        const std::size_t end = all.find("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(all.substr(start));
            break;
        }
        lines.push_back(all.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

void DeleteAtAnotherDesk(const std::string& monthFile, const std::string& regNo) {
    const std::vector<std::string> lines = FileLines(monthFile);
    std::ofstream out(monthFile, std::ios::binary | std::ios::trunc);
    for (const std::string& line : lines)
        if (line.compare(0, regNo.size(), regNo) != 0)
            out << line << "\r\n";
}

int ListedRows(Grid* grid) {
    int rows = 0;
    for (int r = 1; r < grid->Rows(); ++r)
        rows += grid->Cell(r, 0).Text().trimmed().isEmpty() ? 0 : 1;
    return rows;
}

long CellTextColour(Grid* grid, int row, int col) {
    return ToVbColor(grid->model()->index(row, col).data(Qt::ForegroundRole).value<QColor>());
}

bool CellTakesTyping(Grid* grid, int row, int col) {
    return grid->model()->flags(grid->model()->index(row, col)).testFlag(Qt::ItemIsEditable);
}

#include <QStandardPaths>

#include <cups/cups.h>

namespace {
// The print system's commands live in the system's own folders, which a
// user's PATH may leave out.
QString printCommand(const QString& name) {
    const QString found = QStandardPaths::findExecutable(name);
    return found.isEmpty() ? QStandardPaths::findExecutable(name, {"/usr/sbin", "/usr/bin"}) : found;
}
} // namespace

TestPrintSystem::TestPrintSystem() {
    const std::string root = folder_.withSlash();
    for (const char* d : {"conf", "spool", "cache", "state", "tmp", "log"})
        fs::create_directories(root + d);
    const std::string socket = root + "cups.sock";
    std::ofstream(root + "conf/cupsd.conf") << "Listen " << socket << "\nBrowsing No\nWebInterface No\n"
                                            << "DefaultAuthType None\n<Policy default>\n<Limit All>\n"
                                            << "Order deny,allow\n</Limit>\n</Policy>\n";
    // cupsd will not run its jobs as root; "lp" is the print system's own user.
    std::ofstream(root + "conf/cups-files.conf")
        << "ServerRoot " << root << "conf\nRequestRoot " << root << "spool\nCacheDir " << root << "cache\n"
        << "StateDir " << root << "state\nTempDir " << root << "tmp\nAccessLog " << root << "log/access\n"
        << "ErrorLog " << root << "log/error\nPageLog " << root << "log/page\nPrintcap " << root << "printcap\n"
        << "User lp\nGroup lp\nFileDevice Yes\n";
    daemon_.start(printCommand(QStringLiteral("cupsd")),
                  {QStringLiteral("-f"), QStringLiteral("-c"), QString::fromStdString(root + "conf/cupsd.conf"),
                   QStringLiteral("-s"), QString::fromStdString(root + "conf/cups-files.conf")});
    qputenv("CUPS_SERVER", QByteArray::fromStdString(socket));
    cupsSetServer(nullptr); // the library keeps the server it found first
    EXPECT_TRUE(daemon_.waitForStarted()) << "cupsd did not start";
    EXPECT_TRUE(QTest::qWaitFor([&] { return fs::exists(socket); }, 10000)) << "cupsd does not listen";
    EXPECT_TRUE(run(QStringLiteral("lpadmin"), {"-p", "Q", "-E", "-v", "file:///dev/null"}));
    EXPECT_TRUE(run(QStringLiteral("lpadmin"), {"-d", "Q"}));
}

TestPrintSystem::~TestPrintSystem() {
    daemon_.terminate();
    daemon_.waitForFinished();
    qunsetenv("CUPS_SERVER");
    cupsSetServer(nullptr);
}

bool TestPrintSystem::run(const QString& command, const QStringList& arguments) {
    QProcess p;
    p.start(printCommand(command), arguments);
    return p.waitForFinished() && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

int TestPrintSystem::jobs() {
    QProcess p;
    p.start(printCommand(QStringLiteral("lpstat")), {"-W", "all", "-o"});
    p.waitForFinished();
    return static_cast<int>(QString::fromUtf8(p.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts).size());
}

#include "platform/Platform.h"
#include "ui/desk/frmMain.h"

void DeskWindowTest::SetUp() {
    Platform::SetAnswers(PlatformAnswers{});
    folder.addEmptyMonthFiles();
}

void DeskWindowTest::TearDown() {
    dropWindow();
    Clock::Unpin();
    Platform::ClearAnswers();
}

frmMain& DeskWindowTest::openOn(const LocalDateTime& now, bool shown) {
    dropWindow();
    Clock::Pin(now);
    main = new frmMain(state);
    main->Form_Load();
    if (shown)
        User::ShowActive(main);
    return *main;
}

void DeskWindowTest::dropWindow() {
    delete main;
    main = nullptr;
}

void DeskWindowTest::click(const char* button) {
    User::Click(main, button);
}

std::string DeskWindowTest::monthFile(const char* yymm) const {
    return folder.path() + "Kestranedata/Record/" + yymm + ".vrf";
}
