// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

// View > Sound Cues... through the main window: switched on, the volume set, a file that
// cannot be a cue refused with its reason while the project's own cue stays, a good one
// taken, and the settings stored on OK only; and the sound module loaded only once cues are
// wanted. The widget tests' environment names a sound server that does not exist.
#include "audio/TestSignals.h"
#include "core/settings/CueSettings.h"
#include "support/UiTestFixture.h"
#include "widgets/CommandActions.h"
#include "ViewTestSupport.h"
#include "widgets/MainWindow.h"
#include "widgets/dialogs/SoundCuesDialog.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>

namespace {

using namespace audio::test;
using ovatron::test::makeTestShow;
using ovatron::test::answerNextModal;
using ovatron::test::testSettings;
using ovatron::test::UiTest;

constexpr int kSettleMs = 10000;

bool soundModuleLoaded()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libovatron_sound.so");
}

class SoundCuesTest : public UiTest {
protected:
    MainWindow& startFrame()
    {
        m_show = makeTestShow();
        m_frame = std::make_unique<MainWindow>(*m_show, testSettings());
        m_show->followSettings();  // as the application does once the window listens
        m_frame->setAttribute(Qt::WA_DeleteOnClose, false);
        m_frame->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(m_frame.get()));
        return *m_frame;
    }

    // Opens the dialog from its menu item and hands it to answer, which closes it.
    void editCues(const std::function<void(SoundCuesDialog&)>& answer)
    {
        answerNextModal([&](QWidget* dialog) {
            auto* cues = qobject_cast<SoundCuesDialog*>(dialog);
            ASSERT_NE(cues, nullptr);
            answer(*cues);
        });
        m_frame->commands().action(Command::SoundCues)->trigger();
    }

    QTemporaryDir m_folder;
    std::unique_ptr<Show> m_show;  // outlives the window
    std::unique_ptr<MainWindow> m_frame;
};

TEST_F(SoundCuesTest, TheDialogTakesGoodFilesRefusesBadOnesAndStoresOnOkOnly)
{
    MainWindow& frame = startFrame();
    EXPECT_FALSE(m_show->cues().isOn());
    const QString unreadable = m_folder.filePath(QStringLiteral("trumpets.wav"));
    const QString buzzer = m_folder.filePath(QStringLiteral("horn.wav"));
    ASSERT_TRUE(writeFile(unreadable, "not a sound at all"));
    ASSERT_TRUE(writeFile(buzzer, wavFile(sine(framesFor(500, 8000), 220.0, 0.5, 8000),
                                          makeFormat(QAudioFormat::Int16, 1, 8000))));

    QString refusal;
    QString fanfareShown;
    QString buzzerShown;
    editCues([&](SoundCuesDialog& dialog) {
        dialog.findChild<QCheckBox*>()->setChecked(true);
        dialog.findChild<QSlider*>()->setValue(55);
        dialog.takeFile(Cue::Fanfare, unreadable);
        refusal = dialog.message()->text();
        fanfareShown = dialog.fileLabel(Cue::Fanfare)->text();
        dialog.takeFile(Cue::Buzzer, buzzer);
        buzzerShown = dialog.fileLabel(Cue::Buzzer)->text();
        dialog.accept();
    });
    EXPECT_TRUE(refusal.contains(QLatin1String("trumpets.wav is not a WAV file")))
        << refusal.toStdString();
    EXPECT_TRUE(refusal.contains(QLatin1String("Fanfare keeps its sound"))) << refusal.toStdString();
    EXPECT_EQ(fanfareShown, QStringLiteral("Ovatron's own"));
    EXPECT_EQ(buzzerShown, QStringLiteral("horn.wav"));
    CueSettings stored = loadCueSettings(testSettings());
    EXPECT_TRUE(stored.on);
    EXPECT_EQ(stored.volume, 55);
    EXPECT_TRUE(stored.fileOf(Cue::Fanfare).isEmpty());
    EXPECT_EQ(stored.fileOf(Cue::Buzzer), buzzer);
    EXPECT_TRUE(m_show->cues().isOn());

    // Back to the project's own buzzer, then Cancel: nothing changes.
    QString buzzerAgain;
    editCues([&](SoundCuesDialog& dialog) {
        buzzerAgain = dialog.fileLabel(Cue::Buzzer)->text();
        dialog.useOwn(Cue::Buzzer);
        dialog.findChild<QCheckBox*>()->setChecked(false);
        dialog.reject();
    });
    EXPECT_EQ(buzzerAgain, QStringLiteral("horn.wav"));
    EXPECT_EQ(loadCueSettings(testSettings()), stored);
    EXPECT_TRUE(m_show->cues().isOn());
}

// A stored file that has gone since is a notice at start; trying a cue without a sound server
// is one too. Neither stops the show.
TEST_F(SoundCuesTest, AMissingFileAndAMissingOutputAreToldToTheOperator)
{
    CueSettings settings;
    settings.on = true;
    settings.fileOf(Cue::Sting) = m_folder.filePath(QStringLiteral("gone.wav"));
    storeCueSettings(testSettings(), settings);
    MainWindow& frame = startFrame();
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            return frame.statusBar()->currentMessage().contains(QLatin1String("gone.wav"));
        },
        kSettleMs))
        << frame.statusBar()->currentMessage().toStdString();

    QString tried;
    editCues([&](SoundCuesDialog& dialog) {
        dialog.tryCue(Cue::Fanfare);
        tried = dialog.message()->text();
        dialog.reject();
    });
    EXPECT_TRUE(tried.isEmpty()) << tried.toStdString();
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            return frame.statusBar()->currentMessage().contains(QLatin1String("no loudspeaker"));
        },
        kSettleMs))
        << frame.statusBar()->currentMessage().toStdString();
}

// A show without cues loads nothing of the sound module; switching them on loads it.
TEST_F(SoundCuesTest, TheSoundModuleIsLoadedOnlyOnceCuesAreOn)
{
    if (soundModuleLoaded())
        GTEST_SKIP() << "another test loaded the sound module in this process; ctest runs each in its own";
    MainWindow& frame = startFrame();
    MeterView& view = frame.view();
    QTest::keyClicks(&view, "Ana");
    QTest::keyClick(&view, Qt::Key_Return);
    view.tickOnce();
    QTest::keyClick(&view, Qt::Key_Return);
    EXPECT_FALSE(soundModuleLoaded());

    CueSettings settings;
    settings.on = true;
    storeCueSettings(testSettings(), settings);
    m_show->cues().followSettings();
    EXPECT_TRUE(m_show->cues().isOn());
    EXPECT_TRUE(soundModuleLoaded());
}

}  // namespace
