// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "StoreTestSupport.h"

#include "store/EventRecorder.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDateTime>

#include <cstring>
#include <iostream>
#include <string>

namespace {

// The second copy of the program in the locking and crash tests: records one contestant into
// the results file at argv[2], says "ready", and keeps the file open until stdin closes or
// the test kills it.
int holdResultsFile(const QString& path)
{
    EventRecorder recorder(path);
    const StoreStatus status = recorder.open();
    if (status.saving()) {
        recorder.beginEvent(QDateTime::currentDateTimeUtc());
        ovatron::test::recordContestants(recorder, {{QStringLiteral("Held"), 77}});
        recorder.flush();
    }
    std::cout << (status.saving() ? "ready" : "refused") << std::endl;
    std::string line;
    while (std::getline(std::cin, line)) {
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    ovatron::test::prepareStoreTests(argc, argv);
    QCoreApplication app(argc, argv);
    if (argc == 3 && std::strcmp(argv[1], "--hold-results-file") == 0)
        return holdResultsFile(QString::fromLocal8Bit(argv[2]));
    return RUN_ALL_TESTS();
}
