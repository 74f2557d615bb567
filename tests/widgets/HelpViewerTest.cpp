// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

// Opening help: web addresses as they are, help pages as local files, and the message when
// there is no page.
#include "widgets/HelpViewer.h"
#include "widgets/dialogs/MessageBox.h"
#include "core/AppConfig.h"
#include "brio/BRStringQt.h"

#include "support/UiTestFixture.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>

#include <vector>

namespace {

using ovatron::test::answerNextModal;
using ovatron::test::UiTest;

void writeFile(const QString& path)
{
    ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path()));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<html></html>\n");
}

// Help folders in temporary places, the working folder among them, and help actions that only
// take notes.
class ShowHelpPageTest : public UiTest {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(install.isValid() && working.isValid());
        previousWorkingFolder = QDir::currentPath();
        ASSERT_TRUE(QDir::setCurrent(working.path()));
        folders.installDirectory = brio::fromQString(install.path());
    }

    void TearDown() override
    {
        QDir::setCurrent(previousWorkingFolder);
        UiTest::TearDown();
    }

    HelpActions recordingActions()
    {
        HelpActions actions;
        actions.open = [this](const QUrl& url) { opened.push_back(url); };
        actions.showMissing = [this](const QString& message) { messages.push_back(message); };
        return actions;
    }

    QTemporaryDir install;
    QTemporaryDir working;
    QString previousWorkingFolder;
    HelpFolders folders;
    std::vector<QUrl> opened;
    std::vector<QString> messages;
};

TEST_F(ShowHelpPageTest, AWebAddressIsOpenedAsItIsWithoutLookingForAFile)
{
    // A file that a lookup of the address would find.
    writeFile(install.path() + QStringLiteral("/help/https:/example.org/guide.html"));
    const HelpActions actions = recordingActions();

    showHelpPage("https://example.org/guide.html", folders, actions);
    showHelpPage("HTTP://Example.org/Index.html?topic=keys", folders, actions);

    ASSERT_EQ(opened.size(), 2u);
    EXPECT_EQ(opened[0], QUrl(QStringLiteral("https://example.org/guide.html")));
    EXPECT_EQ(opened[1].toString(), QUrl(QStringLiteral("HTTP://Example.org/Index.html?topic=keys")).toString());
    EXPECT_FALSE(opened[1].isLocalFile());
    EXPECT_TRUE(messages.empty());
}

TEST_F(ShowHelpPageTest, AFoundPageIsOpenedAsALocalFile)
{
    writeFile(install.path() + QStringLiteral("/help/index.html"));
    const HelpActions actions = recordingActions();

    showHelpPage("index.html", folders, actions);

    ASSERT_EQ(opened.size(), 1u);
    EXPECT_TRUE(opened[0].isLocalFile());
    EXPECT_EQ(opened[0].toLocalFile(), install.path() + QStringLiteral("/help/index.html"));
    EXPECT_TRUE(messages.empty());
}

TEST_F(ShowHelpPageTest, APageFoundInTheWorkingFolderIsOpenedByItsFullPath)
{
    writeFile(working.path() + QStringLiteral("/help/index.html"));
    const HelpActions actions = recordingActions();

    showHelpPage("index.html", folders, actions);

    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(QFileInfo(opened[0].toLocalFile()).canonicalFilePath(),
              QFileInfo(working.path() + QStringLiteral("/help/index.html")).canonicalFilePath());
    EXPECT_TRUE(QFileInfo(opened[0].toLocalFile()).isAbsolute());
}

TEST_F(ShowHelpPageTest, AMissingPageGivesTheMessageAndOpensNothing)
{
    const HelpActions actions = recordingActions();

    showHelpPage("index.html", folders, actions);

    EXPECT_TRUE(opened.empty());
    EXPECT_EQ(messages, std::vector<QString>{QStringLiteral("Can't find help file")});
}

TEST_F(ShowHelpPageTest, TheMissingPageMessageIsAWarningWithOneOkButton)
{
    HelpActions actions = recordingActions();
    actions.showMissing = desktopHelpActions().showMissing;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int buttonCount = 0;
    QWidget* owner = nullptr;
    QWidget window;
    window.show();
    QApplication::setActiveWindow(&window);
    answerNextModal([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        text = box->text();
        icon = box->icon();
        buttonCount = static_cast<int>(box->buttons().size());
        owner = box->parentWidget();
        box->button(QMessageBox::Ok)->click();
    });

    showHelpPage("index.html", folders, actions);

    EXPECT_EQ(text, QStringLiteral("Can't find help file"));
    EXPECT_EQ(icon, QMessageBox::Warning);
    EXPECT_EQ(buttonCount, 1);
    EXPECT_EQ(owner, &window);  // stays above the window that asked for help
    EXPECT_TRUE(opened.empty());
}

TEST(HelpFoldersOfTheProgram, AreTheStoresInstallFolderAndTheProgramsOwnFolder)
{
    const AppConfig config;
    const HelpFolders folders = helpFoldersOf(config);

    EXPECT_EQ(folders.installDirectory, installedDataDirectory(config.appDirectory()));
    EXPECT_EQ(brio::toQString(folders.programDirectory), QApplication::applicationDirPath());
}

class WarningMessageTest : public UiTest {
protected:
    // Shows a box, notes what it looked like and closes it with its OK button.
    struct Seen {
        QString title;
        QString text;
        Qt::TextFormat format = Qt::AutoText;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QList<QAbstractButton*>::size_type buttons = 0;
        int result = 0;
    };

    static Seen show(const QString& text)
    {
        Seen seen;
        answerNextModal([&seen](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            ASSERT_NE(box, nullptr);
            seen.title = box->windowTitle();
            seen.text = box->text();
            seen.format = box->textFormat();
            seen.icon = box->icon();
            seen.buttons = box->buttons().size();
            box->button(QMessageBox::Ok)->click();
        });
        seen.result = showWarningMessage(text);
        return seen;
    }
};

TEST_F(WarningMessageTest, ShowsRichTextUnderTheProgramsNameWithOneOkButton)
{
    const Seen seen = show(QStringLiteral("<b>Can't</b> find help file"));

    EXPECT_EQ(seen.title, QStringLiteral("Ovatron"));
    EXPECT_EQ(seen.text, QStringLiteral("<b>Can't</b> find help file"));
    EXPECT_EQ(seen.format, Qt::RichText);
    EXPECT_EQ(seen.icon, QMessageBox::Warning);
    EXPECT_EQ(seen.buttons, 1);
    EXPECT_EQ(seen.result, QMessageBox::Ok);
}

}  // namespace
