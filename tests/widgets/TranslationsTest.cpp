// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

// The program speaks the user's language: its own texts and Qt's, in German and French.
#include "core/CommandLine.h"
#include "support/UiTestFixture.h"
#include "widgets/dialogs/AboutDialog.h"
#include "ViewTestSupport.h"
#include "widgets/MainWindow.h"
#include "widgets/Translations.h"

#include <QMenuBar>

#include <ostream>

namespace {

using ovatron::test::makeTestShow;
using ovatron::test::testSettings;
using ovatron::test::UiTest;

struct Language {
    const char* locale;
    QStringList menuTitles;
    QString aboutTitle;
    QString aboutLine;
};

void PrintTo(const Language& language, std::ostream* out)
{
    *out << language.locale;
}

class TranslationsTest : public UiTest, public testing::WithParamInterface<Language> {};

TEST_P(TranslationsTest, MenusDialogsAndTheCommandLineSpeakTheLanguage)
{
    const Language& language = GetParam();
    const Translations translations{QLocale(QString::fromLatin1(language.locale))};
    EXPECT_EQ(translations.translated(), QString::fromLatin1(language.locale) != "en_GB");

    const std::unique_ptr<Show> show = makeTestShow();
    auto window = std::make_unique<MainWindow>(*show, testSettings());
    QStringList titles;
    for (QAction* action : window->menuBar()->actions())
        titles << action->text();
    EXPECT_EQ(titles, language.menuTitles);

    AboutDialog about;
    EXPECT_EQ(about.windowTitle(), language.aboutTitle);
    EXPECT_TRUE(parseCommandLine({QStringLiteral("ovatron"), QStringLiteral("--help")})
                    .text.contains(language.aboutLine));
}

INSTANTIATE_TEST_SUITE_P(
    Languages, TranslationsTest,
    testing::Values(
        Language{"de_DE", {"&Datei", "&Bearbeiten", "&Ansicht", "&Runden", "&Hilfe"}, "Über Ovatron",
                 "Der Applausmesser für Live-Veranstaltungen."},
        Language{"fr_FR", {"&Fichier", "&Édition", "&Affichage", "&Manches", "&Aide"}, "À propos d'Ovatron",
                 "L'applaudimètre pour les événements en direct."},
        Language{"en_GB", {"&File", "&Edit", "&View", "&Rounds", "&Help"}, "About Ovatron",
                 "The applause meter for live events."}),
    [](const testing::TestParamInfo<Language>& info) {
        return std::string(info.param.locale);
    });

}  // namespace
