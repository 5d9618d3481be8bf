// The Qt side of the user-interface services.

#include "AppFixture.h"
#include "QtUiServices.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>

namespace zotest {
namespace {

// Answers the next message box with the given button once it is up, and
// remembers what it showed.
struct BoxReader {
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString title, text;
    QMessageBox::StandardButtons buttons;
    QStringList captions; // of the buttons, left to right as added

    void AnswerNext(QMessageBox::StandardButton answer)
    {
        auto* poll = new QTimer;
        QObject::connect(poll, &QTimer::timeout, [this, poll, answer] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr)
                return;
            icon = box->icon();
            title = box->windowTitle();
            text = box->text();
            buttons = box->standardButtons();
            captions.clear();
            for (QAbstractButton* button : box->buttons())
                captions << button->text();
            poll->deleteLater();
            box->button(answer)->click();
        });
        poll->start(5);
    }
};

TEST(QtUiServices, MessageBoxesShowTheStylesButtonsAndIconAndReportTheButtonPressed)
{
    QtUiServices ui;
    BoxReader reader;
    using Buttons = QMessageBox::StandardButtons;
    for (const auto& [style, answer, pressed, icon, buttons] :
         {std::tuple(UiServices::MB_YESNO_QUESTION, QMessageBox::No, UiServices::ID_NO, QMessageBox::Question,
                     Buttons(QMessageBox::Yes | QMessageBox::No)),
          std::tuple(UiServices::MB_YESNO_QUESTION, QMessageBox::Yes, UiServices::ID_YES, QMessageBox::Question,
                     Buttons(QMessageBox::Yes | QMessageBox::No)),
          std::tuple(UiServices::MB_CRITICAL, QMessageBox::Ok, UiServices::ID_OK, QMessageBox::Critical, Buttons(QMessageBox::Ok)),
          std::tuple(UiServices::MB_OK, QMessageBox::Ok, UiServices::ID_OK, QMessageBox::NoIcon, Buttons(QMessageBox::Ok))}) {
        reader.AnswerNext(answer);
        EXPECT_EQ(ui.ShowMessageBox("Close?\r\nReally", style), pressed) << style;
        EXPECT_EQ(std::tuple(reader.icon, reader.buttons, reader.text, reader.title),
                  std::tuple(icon, buttons, QString("Close?\nReally"), QApplication::applicationName()))
            << style;
    }
}

TEST(QtUiServices, UnattendedBoxesAnswerThemselves)
{
    QtUiServices ui;
    EXPECT_EQ(std::tuple(QtUiServices::UnattendedFrom(nullptr), QtUiServices::UnattendedFrom("maybe")),
              std::tuple(QtUiServices::Unattended::Off, QtUiServices::Unattended::Off));
    const auto answers = [&ui] {
        return std::tuple(ui.ShowMessageBox("Close?", UiServices::MB_YESNO_QUESTION),
                          ui.ShowMessageBox("Broken", UiServices::MB_CRITICAL), ui.ShowMessageBox("Note", UiServices::MB_OK));
    };
    ui.SetUnattended(QtUiServices::UnattendedFrom("No"));
    EXPECT_EQ(answers(), std::tuple(UiServices::ID_NO, UiServices::ID_OK, UiServices::ID_OK));
    ui.SetUnattended(QtUiServices::UnattendedFrom("YES"));
    EXPECT_EQ(answers(), std::tuple(UiServices::ID_YES, UiServices::ID_OK, UiServices::ID_OK));
}

TEST(QtUiServices, BusyPointerIsSetOnceAndRemovedOnce)
{
    QtUiServices ui;
    ASSERT_EQ(QApplication::overrideCursor(), nullptr);
    ui.SetBusyPointer(true);
    ui.SetBusyPointer(true);
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    for (int i = 0; i < 2; ++i) {
        ui.SetBusyPointer(false);
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    }
}

TEST(QtUiServices, FlushInputDiscardsQueuedKeysAndClicksButNothingElse)
{
    QtUiServices ui;
    QLineEdit edit;
    edit.show();
    const auto post = [&edit] {
        QCoreApplication::postEvent(&edit, new QKeyEvent(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a"));
    };
    post();
    QApplication::processEvents();
    ASSERT_EQ(edit.text(), "a"); // a posted key does arrive

    post();
    bool timerRan = false;
    QTimer::singleShot(0, [&timerRan] { timerRan = true; });
    ui.FlushInput();
    QApplication::processEvents();
    EXPECT_EQ(edit.text(), "a");
    EXPECT_TRUE(timerRan);

    // Input after the flush goes through again.
    post();
    QApplication::processEvents();
    EXPECT_EQ(edit.text(), "aa");
}

TEST(QtUiServices, ProgressGoesToTheSplashBarWhileItExists)
{
    QtUiServices ui;
    ui.SetProgress(30); // no bar yet: nothing to do
    auto splash = std::make_unique<frmSplash>();
    splash->Timer1->stop();
    ui.SetProgressBar(splash->ProBar);
    ui.SetProgress(45);
    EXPECT_EQ(splash->ProBar->value(), 45);
    splash.reset();
    ui.SetProgress(60); // the bar is gone
}

TEST(QtUiServices, LanguageRefreshReachesEveryOpenWindowThatHasOne)
{
    QtUiServices ui;
    frmSplash splash;
    splash.Timer1->stop();
    splash.show();
    QWidget plain; // a window without texts of its own
    plain.show();
    const std::string saved = g_LangGUITitle.ControlMain;
    g_LangGUITitle.ControlMain = "Neuer Titel";
    ui.RefreshAllLanguage();
    g_LangGUITitle.ControlMain = saved;
    EXPECT_EQ(splash.windowTitle(), "Neuer Titel");
}

TEST(QtUiServices, StandardButtonsSpeakTheLanguageOfTheChosenLocale)
{
    QtUiServices ui;
    BoxReader reader;
    for (const auto& [locale, yes, no] :
         {std::tuple("de_DE", "&Ja", "&Nein"), std::tuple("en_US", "&Yes", "&No"), std::tuple("", "&Yes", "&No")}) {
        ui.SetStandardTextsLocale(locale);
        reader.AnswerNext(QMessageBox::Yes);
        ui.ShowMessageBox("Close?", UiServices::MB_YESNO_QUESTION);
        EXPECT_EQ(reader.captions, QStringList({yes, no})) << locale;
    }
}

TEST(QtUiServices, SleepKeepsTheEventLoopRunning)
{
    QtUiServices ui;
    bool timerRan = false;
    QTimer::singleShot(0, [&timerRan] { timerRan = true; });
    ui.Sleep(20);
    EXPECT_TRUE(timerRan);
}

} // namespace
} // namespace zotest
