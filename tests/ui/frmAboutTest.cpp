#include "ui/startup/frmAbout.h"
#include "UiTestSupport.h"
#include "platform/ClickLabel.h"
#include "ui/desk/frmMain.h"
#include "ui/startup/Artwork.h"

#include <QApplication>
#include <QDesktopServices>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QUrl>

#include <QTest>

#include <gtest/gtest.h>

namespace {

class AboutTest : public ::testing::Test {
  protected:
    TestProgramFolder folder;
    ProgramState state = folder.makeState();
    RecordingResponder boxes;
};

// Takes the URLs the desktop would be asked to open.
class UrlRecorder : public QObject {
    Q_OBJECT
  public:
    QList<QUrl> opened;
  public slots:
    void open(const QUrl& url) { opened << url; }
};

void clickConfig(frmAbout& about) {
    about.findChild<QPushButton*>("cmdConfig")->click();
}

} // namespace

TEST_F(AboutTest, ShowsTheVersion) {
    frmAbout about(state);
    EXPECT_EQ(about.windowTitle(), "Brantholm Solutions Kestrane");
    EXPECT_EQ(about.findChild<QLabel*>("laFileVer")->text(), "2.05");
    EXPECT_EQ(about.findChild<QLabel*>("laBuildno")->text(), "0544");
    EXPECT_EQ(about.findChild<QLabel*>("VerLa")->text(), "V2.05.0544 ");
    EXPECT_EQ(about.findChild<QPushButton*>("cmdAboutOK")->text(), "Ok");
    EXPECT_EQ(about.findChild<QPushButton*>("cmdConfig")->text(), "Config...");
}

TEST_F(AboutTest, F1OpensTheIndexPage) {
    UrlRecorder desktop;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &desktop, "open");
    frmAbout about(state);
    QKeyEvent f1(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
    QApplication::sendEvent(&about, &f1);
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    EXPECT_EQ(state.HelpTopic, 90);
    // The desktop's opener takes the page's bytes back from the URL's escapes.
    ASSERT_EQ(desktop.opened.size(), 1);
    EXPECT_EQ(QByteArray::fromPercentEncoding(desktop.opened[0].toEncoded()).toStdString(),
              "file://" + folder.path() + "KestraneDocs/index.html");
}

TEST_F(AboutTest, GivenPasswordIsKeptWhenPreserved) {
    state.settings.PreservePassword = "1";
    state.SettingsPasswordGiven = true;
    frmAbout about(state);
    about.show();
    QString opened;
    auto watch = OnNextModal([&](QWidget* w) {
        opened = w->objectName();
        w->close();
    });
    clickConfig(about);
    EXPECT_EQ(opened, "frmSetup") << "straight to the settings";
    EXPECT_FALSE(about.isVisible()) << "the about window closes after the settings";
}

TEST_F(AboutTest, CancelledPasswordKeepsTheAboutWindowOpen) {
    state.settings.PreservePassword = "0";
    state.SettingsPasswordGiven = true; // not preserved: asked again
    frmAbout about(state);
    about.show();
    QStringList opened;
    std::unique_ptr<QTimer> settingsWatch;
    auto watch = OnNextModal([&](QWidget* w) {
        opened << w->objectName();
        w->close();
        settingsWatch = OnNextModal([&](QWidget* next) {
            opened << next->objectName();
            next->close();
        });
    });
    clickConfig(about);
    EXPECT_EQ(opened, QStringList{"frmMPass"}) << "no settings window";
    EXPECT_EQ(state.SettingsPasswordMode, PasswordMode::Enter);
    EXPECT_TRUE(state.SettingsGateFailed);
    EXPECT_TRUE(about.isVisible());
}

TEST_F(AboutTest, RightPasswordOpensTheSettingsOnce) {
    state.settings.SettingsPassword = "KJW";
    frmAbout about(state);
    about.show();
    std::unique_ptr<QTimer> settingsWatch;
    QString settingsOpened;
    auto watch = OnNextModal([&](QWidget* w) {
        TypeText(Control<QLineEdit>(w, "MPassWordTb"), "KJW\n");
        settingsWatch = OnNextModal([&](QWidget* next) {
            settingsOpened = next->objectName();
            next->close();
        });
    });
    clickConfig(about);
    EXPECT_EQ(settingsOpened, "frmSetup");
    EXPECT_FALSE(state.SettingsGateFailed);
    EXPECT_TRUE(state.SettingsPasswordGiven);
    EXPECT_FALSE(about.isVisible());
}

TEST_F(AboutTest, NoPasswordYetAsksToSetOne) {
    state.settings.SettingsPassword = "   ";
    frmAbout about(state);
    about.show();
    auto watch = OnNextModal([](QWidget* w) { w->close(); });
    clickConfig(about);
    EXPECT_EQ(state.SettingsPasswordMode, PasswordMode::Set);
}

TEST_F(AboutTest, MainWindowLogoOpensAbout) {
    frmMain main(state);
    main.show();
    auto* logo = Control<ClickLabel>(&main, "qxlogoIM");
    const auto moveOver = [](QWidget* w, QPoint at) {
        QMouseEvent move(QEvent::MouseMove, at, w->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(w, &move);
    };
    const auto hovered = [&] { return logo->pixmap().toImage() == Artwork::MakerLogo(true).toImage(); };
    moveOver(logo, QPoint(20, 20));
    EXPECT_TRUE(hovered());
    moveOver(&main, QPoint(700, 500));
    EXPECT_FALSE(hovered());

    QString opened;
    auto watch = OnNextModal([&](QWidget* w) {
        opened = w->objectName();
        w->close();
    });
    moveOver(logo, QPoint(20, 20));
    QTest::mouseClick(logo, Qt::LeftButton, {}, QPoint(20, 20));
    EXPECT_EQ(opened, "frmAbout");
    EXPECT_FALSE(hovered());
}

TEST_F(AboutTest, ClosingTheMainWindowAsksFirst) {
    frmMain main(state);
    main.show();
    boxes.queue(vb::vbCancel);
    main.close();
    ASSERT_EQ(boxes.calls().size(), 1u);
    EXPECT_EQ(boxes.calls()[0].text, "This will close your current session of Kestrane");
    EXPECT_EQ(boxes.calls()[0].title, "Kestrane");
    EXPECT_EQ(boxes.calls()[0].style, vb::vbOKCancel | vb::vbInformation);
    EXPECT_TRUE(main.isVisible());

    main.close(); // answered OK
    EXPECT_FALSE(main.isVisible());

    main.show();
    boxes.clear();
    state.RestartPending = true;
    main.close();
    EXPECT_TRUE(boxes.calls().empty()) << "a pending restart closes without asking";
    EXPECT_FALSE(main.isVisible());
}

#include "frmAboutTest.moc"
