// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

// The microphone in the window: its settings, its command, the fallback to the keyboard
// when no sound server answers, and the calibration dialog on a WAV file. The widget tests' environment names a sound server that does not exist.
#include "audio/TestSignals.h"
#include "support/SettingsFileAccess.h"
#include "support/UiTestFixture.h"
#include "ViewTestSupport.h"
#include "widgets/MainWindow.h"
#include "core/settings/MicrophoneSettings.h"
#include "widgets/dialogs/MicrophoneDialog.h"
#include "show/MicrophoneInput.h"

#include <QComboBox>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>

#include <cstdlib>
#include <optional>
#include <vector>

namespace {

using namespace audio::test;
using ovatron::test::makeTestShow;
using ovatron::test::testSettings;
using ovatron::test::UiTest;

// Generous bounds: these wait for real-time playback on a busy machine, they time nothing.
constexpr int kSettleMs = 10000;

class MicrophoneTest : public UiTest {
protected:
    // A looped second of a 997 Hz tone at this loudness.
    QString toneFile(double lufs)
    {
        const QString path = m_folder.filePath(QStringLiteral("tone%1.wav").arg(lufs));
        EXPECT_TRUE(writeFile(path, wavFile(sine(framesFor(1000), 997.0, sineAmplitudeFor(lufs)),
                                            makeFormat(QAudioFormat::Int16, 1))));
        return path;
    }

    static QAction* editItem(MainWindow& frame, const char* name)
    {
        for (QAction* menu : frame.menuBar()->actions()) {
            if (menu->text() != QLatin1String("&Edit"))
                continue;
            emit menu->menu()->aboutToShow();
            for (QAction* action : menu->menu()->actions())
                if (action->objectName() == QLatin1String(name))
                    return action;
        }
        return nullptr;
    }

    QTemporaryDir m_folder;
};

TEST_F(MicrophoneTest, SettingsReadBackAsStoredAndBadValuesGiveSoundOnes)
{
    struct Case {
        const char* file;
        bool useMicrophone;
        const char* device;
        double floor;
        double range;
    };
    const Case cases[] = {
        {"", false, "", -50.0, 30.0},
        {"UseMicrophone=1\nMicrophoneDevice=hallmic\nMicrophoneFloor=-42.5\nMicrophoneRange=20\n",
         true, "hallmic", -42.5, 20.0},
        {"UseMicrophone=7\nMicrophoneFloor=loud\nMicrophoneRange=900\n", true, "", -50.0, 60.0},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(ovatron::test::writeSettingsFile(c.file));
        ASSERT_TRUE(ovatron::test::startLaterRun());
        const MicrophoneConfig loaded = loadMicrophoneConfig(testSettings());
        EXPECT_EQ(loaded.useMicrophone, c.useMicrophone) << c.file;
        EXPECT_EQ(loaded.deviceId, QString::fromUtf8(c.device)) << c.file;
        EXPECT_DOUBLE_EQ(loaded.calibration.floorLufs, c.floor) << c.file;
        EXPECT_DOUBLE_EQ(loaded.calibration.rangeLu, c.range) << c.file;
    }
    storeMicrophoneFloor(testSettings(), -38.04);
    EXPECT_TRUE(ovatron::test::readSettingsFile().contains("MicrophoneFloor=-38.0\n"));
}

TEST_F(MicrophoneTest, WithoutASoundServerTheOperatorIsToldAndSpaceStillMeasures)
{
    const std::unique_ptr<Show> show = makeTestShow();
    MainWindow frame(*show, testSettings());
    show->followSettings();  // as the application does once the window listens
    frame.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
    QApplication::setActiveWindow(&frame);
    frame.view().setFocus();
    show->microphone().begin();
    QAction* item = editItem(frame, "useMicrophone");
    ASSERT_NE(item, nullptr);
    EXPECT_FALSE(item->isChecked());
    item->trigger();
    EXPECT_TRUE(editItem(frame, "useMicrophone")->isChecked());
    EXPECT_EQ(loadMicrophoneConfig(testSettings()).useMicrophone, true);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !frame.statusBar()->currentMessage().isEmpty(); },
                                kSettleMs));

    MeterView& view = frame.view();
    QTest::keyClicks(&view, "A");
    QTest::keyClick(&view, Qt::Key_Return);
    QTest::keyPress(&view, Qt::Key_Space);
    view.tickOnce();
    view.tickOnce();
    QTest::keyRelease(&view, Qt::Key_Space);
    EXPECT_EQ(view.meter().level(), 6);

    editItem(frame, "useMicrophone")->trigger();
    EXPECT_FALSE(editItem(frame, "useMicrophone")->isChecked());
    EXPECT_EQ(loadMicrophoneConfig(testSettings()).useMicrophone, false);
}

TEST_F(MicrophoneTest, TheDialogMeasuresTheRoomAndHandsBackTheFloorAndTheChoice)
{
    const QString file = toneFile(-35.0);
    QString error;
    const std::unique_ptr<MicrophoneInput> input = MicrophoneInput::load(error);
    ASSERT_TRUE(input) << error.toStdString();
    input->startFile(file, {kDefaultMicrophoneFloorLufs, kDefaultMicrophoneRangeLu});
    ASSERT_TRUE(QTest::qWaitFor([&] { return input->isLive(); }, kSettleMs));

    MicrophoneDialog dialog(*input, loadMicrophoneConfig(testSettings()), 0, file);
    std::vector<double> measured;
    QObject::connect(&dialog, &MicrophoneDialog::floorMeasured,
                     [&](double floor) { measured.push_back(floor); });
    dialog.show();
    EXPECT_FALSE(dialog.deviceBox()->isEnabled());  // the file stands in for every device
    // The default room (-50 LUFS, 30 LU) reads the tone as 50.
    EXPECT_TRUE(QTest::qWaitFor([&] { return std::abs(dialog.levelBar()->value() - 50) <= 1; },
                                kSettleMs));
    dialog.measureButton()->click();
    EXPECT_FALSE(dialog.measureButton()->isEnabled());
    ASSERT_TRUE(QTest::qWaitFor([&] { return dialog.measureButton()->isEnabled(); }, kSettleMs));
    EXPECT_NEAR(dialog.calibration().floorLufs, -35.0, 0.5);
    ASSERT_EQ(measured.size(), 1u);
    EXPECT_NEAR(measured.front(), -35.0, 0.5);
    // The tone is now the room: the bar reads it as nothing.
    EXPECT_TRUE(QTest::qWaitFor([&] { return dialog.levelBar()->value() <= 1; }, kSettleMs));

    // The dialog writes nothing itself; its caller stores the choice on OK.
    const QByteArray before = ovatron::test::readSettingsFile();
    dialog.rangeBox()->setValue(20);
    dialog.turnLengthBox()->setValue(12);
    dialog.accept();
    EXPECT_EQ(ovatron::test::readSettingsFile(), before);
    const MicrophoneChoice chosen = dialog.choice();
    EXPECT_EQ(chosen.rangeLu, 20);
    EXPECT_EQ(chosen.deviceId, std::nullopt);
    EXPECT_EQ(chosen.turnSeconds, std::optional<int>(12));
    dialog.turnLengthBox()->setValue(0);
    EXPECT_EQ(dialog.choice().turnSeconds, std::nullopt);  // the length it started from
}

// Without its module the microphone cannot be used: the operator is told why, in one line
// that names the file, and nothing is made.
TEST_F(MicrophoneTest, AModuleThatCannotBeLoadedMakesNoInputAndSaysWhy)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString notALibrary = folder.filePath(QStringLiteral("libovatron_sound.so"));
    ASSERT_TRUE(audio::test::writeFile(notALibrary, QByteArray("not a library")));
    for (const QString& path : {folder.filePath(QStringLiteral("missing.so")), notALibrary}) {
        QString error;
        EXPECT_EQ(MicrophoneInput::load(path, error), nullptr) << path.toStdString();
        EXPECT_TRUE(error.contains(QFileInfo(path).fileName())) << error.toStdString();
        EXPECT_FALSE(error.contains(QLatin1Char('\n'))) << error.toStdString();
    }
    QString error;
    EXPECT_NE(MicrophoneInput::load(soundModulePath(), error), nullptr) << error.toStdString();
}

}  // namespace
