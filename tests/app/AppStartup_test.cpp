// The splash and the main window in-process: start-up, the close boxes, the
// shutdown and the restart with another microscope.

#include "AppFixture.h"

#include "core/mdlCommon.h"

#include "settings/SettingPageGroup.h"
#include "settings/frmSettingMain.h"
#include "widgets/usrPButton.h"

#include <ZoVersion.h>

#include <QComboBox>
#include "widgets/usrComboBox.h"

namespace zotest {
namespace {

TEST_F(AppTest, SplashLoadsWithTheTitleTheVersionAndTheLanguageFontAndStartsItsTimer)
{
    const FontInfo saved = g_Font;
    g_Font.Name = "DejaVu Serif";
    g_Font.Size = 13;
    frmSplash splash;
    g_Font = saved;
    splash.Timer1->stop(); // this test does not connect

    EXPECT_FALSE(g_LangFrmZoControl.SimpleText.empty());
    EXPECT_EQ(splash.lblVersion->text().toStdString(),
              g_LangFrmZoControl.SimpleText + " " + std::to_string(ZO_VERSION_MAJOR) + "." +
                  std::to_string(ZO_VERSION_MINOR) + "." + std::to_string(ZO_VERSION_REVISION));
    EXPECT_EQ(std::tuple(splash.lblVersion->font().family(), splash.lblVersion->font().pointSize()),
              std::tuple("DejaVu Serif", 13));
}

TEST_F(AppTest, SplashPictureIsDrawnAndLegible)
{
    frmSplash splash;
    splash.Timer1->stop();
    splash.ProBar->setValue(60); // half-way through connecting
    splash.show();
    const QImage shot = splash.grab().toImage();
    // A dark panel with a drawing on it, not an empty window.
    long dark = 0;
    QSet<QRgb> colours;
    for (int y = 0; y < shot.height(); y += 2)
        for (int x = 0; x < shot.width(); x += 2) {
            const QColor c = shot.pixelColor(x, y);
            dark += c.lightness() < 80;
            colours.insert(c.rgb());
        }
    const long samples = static_cast<long>(shot.width() / 2) * (shot.height() / 2);
    EXPECT_GT(dark, samples / 2);
    EXPECT_GT(colours.size(), 200);
    // The version reads light on dark.
    EXPECT_GT(splash.lblVersion->palette().color(QPalette::WindowText).lightness(), 150);
}

TEST_F(AppTest, StartUpConnectsBehindTheSplashAndShowsTheMainWindow)
{
    host->ShowSplash(100);
    ASSERT_NE(host->Splash(), nullptr);
    EXPECT_EQ(SplashState(), std::tuple(true, true, 0, true));
    ASSERT_TRUE(WaitUntil([this] { return host->MainWindow() && host->MainWindow()->isVisible(); }));
    const frmSplash* splash = host->Splash();
    EXPECT_EQ(std::tuple(splash->isVisible(), splash->isEnabled(), splash->Timer1->isActive()), std::tuple(false, true, false));
    EXPECT_EQ(std::tuple(ui.Progress().back(), ui.Boxes().size(), host->ExitCode()), std::tuple(100, 0u, -1));
    // The control pad, with the devices of the simulated microscope.
    auto* pad = qobject_cast<frmZoControl*>(host->MainWindow());
    ASSERT_NE(pad, nullptr);
    EXPECT_EQ(pad->cboOBJ->count(), 6);
}

TEST_F(AppTest, TheMicroscopePageRestartsOnAnotherMicroscopeBehindTheSplashAndThePadKeepsItsLayout)
{
    g_ChangeGui = 1;
    g_LayoutType = 5;
    StartUp();
    auto* pad = static_cast<frmZoControl*>(host->MainWindow());
    // The wide layout, not the pad as designed.
    const QSize laidOut = pad->size();
    ASSERT_NE(laidOut, pad->DesignedSize());
    pad->findChild<usrPButton*>("picSetting")->click();
    frmSettingMain* dialog = pad->SettingWindow();
    dialog->optMain_Click(frmSettingMain::Connect);
    dialog->Group(frmSettingMain::Connect)->optMenu_Click(4);
    auto* list = dialog->findChild<QComboBox*>("cboMicroscope");
    ASSERT_EQ(std::tuple(list->count(), list->currentText().toStdString()), std::tuple(2, "Alpha"));
    const auto choose = [list](int row) {
        list->setCurrentIndex(row);
        emit list->activated(row);
        QApplication::processEvents();
    };
    ui.ClearRecord();
    // The microscope in use asks nothing; No keeps it.
    choose(0);
    ui.QueueAnswer(UiServices::ID_NO);
    choose(1);
    EXPECT_EQ(std::tuple(ui.BoxTexts(), list->currentIndex(), host->MainWindow()),
              std::tuple(std::vector<std::string>{func_GetMessage(112)}, 0, pad));

    choose(1);
    EXPECT_EQ(host->MainWindow(), nullptr);
    ASSERT_NE(host->Splash(), nullptr);
    EXPECT_EQ(SplashState(), std::tuple(true, true, 0, true));
    // The question answered Yes is all that was asked; unloading asks nothing.
    EXPECT_EQ(std::tuple(ui.Boxes().size(), host->Splash()->Timer1->interval(), host->ExitCode()),
              std::tuple(2u, 5000, -1));
    // Let the five seconds pass at once.
    host->Splash()->Timer1->start(0);
    ASSERT_TRUE(WaitUntil([this] { return host->MainWindow() && host->MainWindow()->isVisible(); }));
    EXPECT_EQ(std::tuple(g_Zo->ConnectedIndex(), host->Splash()->isVisible(), host->MainWindow()->size()),
              std::tuple(2, false, laidOut));
}

TEST_F(AppTest, SplashCloseBoxAsksAndYesEndsBeforeConnecting)
{
    host->ShowSplash(100);
    frmSplash* splash = host->Splash();
    splash->Timer1->stop(); // the user is quicker than the timer

    ui.QueueAnswer(UiServices::ID_NO);
    splash->close(); // the close box
    QApplication::processEvents();
    EXPECT_EQ(std::tuple(splash->isVisible(), host->ExitCode()), std::tuple(true, -1));

    ui.QueueAnswer(UiServices::ID_YES);
    splash->close(); // the close box
    QApplication::processEvents();
    EXPECT_EQ(std::tuple(host->ExitCode(), host->Splash(), TraceCount("Connect()"), ui.Boxes().size()),
              std::tuple(0, nullptr, 0, 2u));
}

} // namespace
} // namespace zotest
