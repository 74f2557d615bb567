// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

// Export of the results as CSV or PDF, printing through QPrinter, and the command-line
// export from the results file, all on the offscreen platform.
#include "StoreTestSupport.h"

#include "store/EventRecorder.h"
#include "store/ResultsCsv.h"
#include "results/ResultsExport.h"
#include "results/ResultsSheet.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPrinter>

namespace {

using namespace ovatron::test;

StoredEvent eventOf(int contestants)
{
    StoredEvent event;
    event.id = 1;
    event.started = showStart();
    for (int i = 0; i < contestants; ++i) {
        event.entries.push_back({QStringLiteral("Contestant %1, Zoë").arg(i), 100 - i / 3,
            showStart().addSecs(i * 60), showStart().addSecs(i * 60 + 30), i, {}});
    }
    return event;
}

QString scratchFile(const QString& name)
{
    return scratchFolder() + QLatin1Char('/') + name;
}

// Pages of a PDF as Qt writes it: one "/Type /Page" object each, uncompressed.
int pdfPageCount(const QByteArray& pdf)
{
    return static_cast<int>(pdf.count("/Type /Page\n"));
}

void expectValidPdf(const QByteArray& pdf)
{
    EXPECT_TRUE(pdf.startsWith("%PDF-"));
    EXPECT_TRUE(pdf.trimmed().endsWith("%%EOF"));
    EXPECT_GT(pdf.size(), 2000);
}

struct FormatCase {
    const char* name;
    const char* path;
    ExportFormat format;
};

void PrintTo(const FormatCase& c, std::ostream* os)
{
    *os << c.name;
}

class ExportFormatByName : public testing::TestWithParam<FormatCase> {};

TEST_P(ExportFormatByName, FollowsTheExtensionInAnyCase)
{
    EXPECT_EQ(exportFormatFor(QString::fromUtf8(GetParam().path)), GetParam().format);
}

INSTANTIATE_TEST_SUITE_P(Names, ExportFormatByName,
    testing::Values(FormatCase{"Csv", "/tmp/results.csv", ExportFormat::Csv},
        FormatCase{"CsvUpper", "RESULTS.CSV", ExportFormat::Csv},
        FormatCase{"Pdf", "/home/op/Show 1.pdf", ExportFormat::Pdf},
        FormatCase{"PdfMixed", "show.Pdf", ExportFormat::Pdf},
        FormatCase{"NoExtension", "results", ExportFormat::Unknown},
        FormatCase{"CsvNotLast", "results.csv.bak", ExportFormat::Unknown},
        FormatCase{"DotCsvFolder", "/tmp/x.csv/results", ExportFormat::Unknown}),
    [](const testing::TestParamInfo<FormatCase>& info) { return info.param.name; });

TEST(ResultsExport, WritesAOnePagePdfForAShortTableOrNone)
{
    for (int contestants : {12, 0}) {
        const QString path = scratchFile(QStringLiteral("results-%1.PDF").arg(contestants));
        const ExportResult result = exportResults(eventOf(contestants), path);
        ASSERT_TRUE(result.succeeded) << result.error.toStdString();
        const QByteArray pdf = fileBytes(path);
        expectValidPdf(pdf);
        EXPECT_EQ(pdfPageCount(pdf), 1);
    }
}

TEST(ResultsExport, ALongTableRunsOverSeveralPages)
{
    const QString shortPath = scratchFile(QStringLiteral("short.pdf"));
    const QString longPath = scratchFile(QStringLiteral("long.pdf"));
    ASSERT_TRUE(exportResults(eventOf(60), shortPath).succeeded);
    ASSERT_TRUE(exportResults(eventOf(500), longPath).succeeded);
    const int shortPages = pdfPageCount(fileBytes(shortPath));
    const int longPages = pdfPageCount(fileBytes(longPath));
    EXPECT_GE(shortPages, 2);
    // A4 at a readable size: more than 30, fewer than 60 rows a page.
    EXPECT_GT(longPages, 500 / 60);
    EXPECT_LT(longPages, 500 / 30 + 1);
}

// Three rounds, one removed: a section per kept round, each on pages of its own, the final
// first; --round takes one of them, and a round that is not there none.
StoredEvent eventWithRounds()
{
    StoredEvent event = eventOf(0);
    const StoredEvent heat = eventOf(70);  // two pages
    StoredRound first;
    first.id = 0;  // never renamed
    first.entries = heat.entries;
    StoredRound removed;
    removed.id = 1;
    removed.name = QStringLiteral("Spare");
    removed.removed = true;
    StoredRound final;
    final.id = 2;
    final.name = QStringLiteral("Final");
    final.entries = eventOf(3).entries;
    event.rounds = {first, removed, final};
    event.currentRound = 2;
    event.entries = final.entries;
    return event;
}

TEST(ResultsExport, APdfSectionPerRoundAndOneRoundAlone)
{
    const StoredEvent event = eventWithRounds();
    const QString all = scratchFile(QStringLiteral("rounds.pdf"));
    ASSERT_TRUE(exportResults(event, all).succeeded);
    const int heatPages = pdfPageCount([&] {
        const QString heatOnly = scratchFile(QStringLiteral("heat.pdf"));
        EXPECT_TRUE(exportResults(*onlyRound(event, QStringLiteral("Round 1")), heatOnly).succeeded);
        return fileBytes(heatOnly);
    }());
    EXPECT_GE(heatPages, 2);
    EXPECT_EQ(pdfPageCount(fileBytes(all)), heatPages + 1);  // the final's page, and the heat's

    const QString finalCsv = scratchFile(QStringLiteral("final.csv"));
    const std::optional<StoredEvent> final = onlyRound(event, QStringLiteral(" Final "));
    ASSERT_TRUE(final);
    ASSERT_TRUE(exportResults(*final, finalCsv).succeeded);
    EXPECT_EQ(fileBytes(finalCsv).count("\r\n"), 4);  // the head and three rows
    EXPECT_TRUE(fileBytes(finalCsv).startsWith("round,rank,name,score\r\nFinal,1,"));
    EXPECT_FALSE(onlyRound(event, QStringLiteral("Spare")));
    EXPECT_FALSE(onlyRound(event, QStringLiteral("Heat 9")));
}

TEST(ResultsExport, WritesTheCsvOfTheRankedTable)
{
    const StoredEvent event = eventOf(7);
    const QString path = scratchFile(QStringLiteral("results.Csv"));
    ASSERT_TRUE(exportResults(event, path).succeeded);
    EXPECT_EQ(fileBytes(path), resultsCsv(event.entries));
}

struct BadTargetCase {
    const char* name;
    QString (*path)();
};

void PrintTo(const BadTargetCase& c, std::ostream* os)
{
    *os << c.name;
}

class ExportToABadTarget : public testing::TestWithParam<BadTargetCase> {};

TEST_P(ExportToABadTarget, SaysWhyInOneLineAndWritesNothing)
{
    const QString path = GetParam().path();
    const ExportResult result = exportResults(eventOf(3), path);
    EXPECT_FALSE(result.succeeded);
    EXPECT_FALSE(result.error.isEmpty());
    EXPECT_FALSE(result.error.contains(QLatin1Char('\n')));
    EXPECT_TRUE(result.error.contains(QFileInfo(path).fileName())) << result.error.toStdString();
    EXPECT_FALSE(QFileInfo(path).isFile());
}

INSTANTIATE_TEST_SUITE_P(Targets, ExportToABadTarget,
    testing::Values(BadTargetCase{"MissingFolderPdf",
                        [] { return scratchFile(QStringLiteral("no/such/folder/r.pdf")); }},
        BadTargetCase{"MissingFolderCsv",
            [] { return scratchFile(QStringLiteral("no/such/folder/r.csv")); }},
        BadTargetCase{"UnknownExtension", [] { return scratchFile(QStringLiteral("r.xlsx")); }},
        BadTargetCase{"AFolderOfThatName",
            [] {
                const QString folder = scratchFile(QStringLiteral("taken.pdf"));
                QDir().mkpath(folder);
                return folder;
            }}),
    [](const testing::TestParamInfo<BadTargetCase>& info) { return info.param.name; });

TEST(ResultsSheet, PrintsThroughAPrinter)
{
    const QString path = scratchFile(QStringLiteral("printed.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setPageSize(QPageSize(QPageSize::A4));
    ASSERT_TRUE(ResultsSheet(eventOf(100)).print(printer));
    const QByteArray pdf = fileBytes(path);
    expectValidPdf(pdf);
    EXPECT_GE(pdfPageCount(pdf), 2);
}

// The first page of a sheet drawn into an image of A4 paper at 100 dpi.
QImage firstPage(const StoredEvent& event)
{
    constexpr double dotsPerMeter = 100 / 0.0254;
    QImage page(827, 1169, QImage::Format_RGB32);
    page.setDotsPerMeterX(int(dotsPerMeter));
    page.setDotsPerMeterY(int(dotsPerMeter));
    page.fill(Qt::white);
    QPainter painter(&page);
    const ResultsSheet sheet(event, showStart());
    EXPECT_EQ(sheet.pageCount(page), 1);
    sheet.paintPage(painter, page, 0);
    return page;
}

// The bands of pixel rows holding a colour that is clearly blue (the curves) or clearly red
// (their marked levels): one band for each row of the table that draws a curve.
int colouredBands(const QImage& image, bool blue)
{
    int bands = 0;
    bool inBand = false;
    for (int y = 0; y < image.height(); ++y) {
        bool found = false;
        for (int x = 0; x < image.width() && !found; ++x) {
            const QColor c(image.pixel(x, y));
            found = blue ? c.blue() > c.red() + 60 : c.red() > c.blue() + 60;
        }
        bands += found && !inBand ? 1 : 0;
        inBand = found;
    }
    return bands;
}

TEST(ResultsSheet, DrawsEachRowsLatestCurveBesideItsScoreAndNothingWithoutOne)
{
    StoredEvent plain = eventOf(3);
    StoredEvent withCurves = plain;
    TurnCurve earlier;
    earlier.readings.assign(20, 10);
    TurnCurve latest;
    latest.source.microphone = true;
    for (int reading = 0; reading < 60; ++reading)
        latest.readings.push_back(std::uint8_t(reading % 2 == 0 ? 40 : 80));
    withCurves.entries[0].curves = {earlier, latest};
    withCurves.entries[2].curves = {latest};

    const QImage without = firstPage(plain);
    const QImage with = firstPage(withCurves);
    EXPECT_EQ(colouredBands(without, true), 0);
    EXPECT_EQ(colouredBands(without, false), 0);
    // The first and third rows, not the second.
    EXPECT_EQ(colouredBands(with, true), 2);
    EXPECT_EQ(colouredBands(with, false), 2);
    // Beside the score: between the names and the scores' column, right of the page's middle.
    int leftmost = with.width();
    for (int y = 0; y < with.height(); ++y) {
        for (int x = 0; x < with.width(); ++x) {
            if (with.pixel(x, y) != without.pixel(x, y))
                leftmost = std::min(leftmost, x);
        }
    }
    EXPECT_GT(leftmost, with.width() / 2);
    EXPECT_LT(leftmost, with.width());

    // And into a PDF, from the stored event as the export reads it.
    const QString path = scratchFile(QStringLiteral("curves.pdf"));
    ASSERT_TRUE(exportResults(withCurves, path).succeeded);
    expectValidPdf(fileBytes(path));
}

TEST(CommandLineExport, WritesTheLatestEventEvenWhileAShowIsRecording)
{
    EventRecorder recorder(databasePath());
    ASSERT_TRUE(recorder.open().saving());
    recorder.beginEvent(showStart());
    recordContestants(recorder, {{QStringLiteral("Ana"), 50}, {QStringLiteral("Ben, Jr."), 80}});
    ASSERT_TRUE(recorder.flush());

    const QString csv = scratchFile(QStringLiteral("latest.csv"));
    const CommandLineExport result = exportLatestEvent(csv, databasePath());
    EXPECT_EQ(result.exitCode, 0) << result.message.toStdString();
    EXPECT_EQ(fileBytes(csv), QByteArray("rank,name,score\r\n1,\"Ben, Jr.\",80\r\n2,Ana,50\r\n"));

    const QString pdf = scratchFile(QStringLiteral("latest.pdf"));
    EXPECT_EQ(exportLatestEvent(pdf, databasePath()).exitCode, 0);
    expectValidPdf(fileBytes(pdf));
}

TEST(CommandLineExport, FailsWithAReasonWhenThereIsNothingToExport)
{
    const QString target = scratchFile(QStringLiteral("nothing.csv"));
    const CommandLineExport noFile = exportLatestEvent(target, databasePath());
    EXPECT_EQ(noFile.exitCode, exportNothingToExport);
    EXPECT_FALSE(noFile.message.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(databasePath()));  // looking created nothing

    {
        EventRecorder recorder(databasePath());
        ASSERT_TRUE(recorder.open().saving());  // a results file with no event yet
    }
    const CommandLineExport noEvent = exportLatestEvent(target, databasePath());
    EXPECT_EQ(noEvent.exitCode, exportNothingToExport);
    EXPECT_FALSE(noEvent.message.isEmpty());

    writeFile(databasePath(), "not a database at all");
    const CommandLineExport unreadable = exportLatestEvent(target, databasePath());
    EXPECT_EQ(unreadable.exitCode, exportNothingToExport);
    EXPECT_FALSE(unreadable.message.isEmpty());
    EXPECT_EQ(fileBytes(databasePath()), QByteArray("not a database at all"));
    EXPECT_FALSE(QFileInfo::exists(target));
}

TEST(CommandLineExport, FailsWithAReasonWhenTheFileCannotBeWritten)
{
    {
        EventRecorder recorder(databasePath());
        ASSERT_TRUE(recorder.open().saving());
        recorder.beginEvent(showStart());
        recordContestants(recorder, {{QStringLiteral("Ana"), 50}});
    }
    for (const QString& target : {scratchFile(QStringLiteral("missing/folder/r.pdf")),
             scratchFile(QStringLiteral("results.odt"))}) {
        const CommandLineExport result = exportLatestEvent(target, databasePath());
        EXPECT_EQ(result.exitCode, exportCannotWrite) << target.toStdString();
        EXPECT_FALSE(result.message.isEmpty());
        EXPECT_FALSE(result.message.contains(QLatin1Char('\n')));
    }
}

}  // namespace

namespace {

TEST(ResultsSheet, WithAJuryEachRowHasItsBreakdownAndTheSheetTheThreeAwards)
{
    StoredEvent event = eventOf(3);  // applause 100 each, then 60 for contestant 1
    event.entries[1].score = 60;
    jury::JuryRules rules;
    rules.judges = {QStringLiteral("Ines"), QStringLiteral("Omar")};
    event.jury.rules = rules;
    struct Given {
        qint64 order;
        const char* judge;
        int hundredths;
    };
    const Given marks[] = {{0, "Ines", 800}, {0, "Omar", 700}, {1, "Ines", 1000}, {1, "Omar", 1000}};
    for (qint64 order = 0; order < 3; ++order)
        event.jury.markings.push_back({order, false, showStart(), rules});
    int id = 0;
    for (const Given& given : marks)
        event.jury.marks.push_back({given.order, QString::fromLatin1(given.judge),
                                    QString::number(++id), {given.hundredths}, showStart()});
    weighEntries(event);
    const ResultsSheet sheet(event, showStart());
    ASSERT_EQ(sheet.breakdowns().size(), 3u);
    EXPECT_EQ(sheet.breakdowns()[0], QStringLiteral("applause 100, Ines 8, Omar 7, J 7.5"));
    EXPECT_EQ(sheet.breakdowns()[2], QStringLiteral("applause 100, Ines \u2013, Omar \u2013, J \u2013"));
    // Results: 0 gives (100 + 75) / 2 = 87.5, 1 gives (60 + 100) / 2 = 80.0, 2 has no mark.
    ASSERT_EQ(sheet.awards().size(), 3);
    EXPECT_EQ(sheet.awards()[0], QStringLiteral("Winners: Contestant 0, Zoë"));
    EXPECT_EQ(sheet.awards()[1], QStringLiteral("Judges' Choice: Contestant 1, Zoë (10)"));
    EXPECT_TRUE(sheet.awards()[2].startsWith(QStringLiteral("People's Choice: Contestant 0, Zoë")))
        << sheet.awards()[2].toStdString();
    EXPECT_TRUE(ResultsSheet(eventOf(2), showStart()).awards().isEmpty());
}

}  // namespace
