// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/AppConfig.h"
#include "core/settings/DisplaySettings.h"
#include "core/settings/TurnSettings.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QStringList>

namespace ovatron::test {

// The show every session test starts from: a table, no summary screen, turns until Enter.
inline void prepareSessionSettings(AppConfig& settings)
{
    settings.init("Ovatron");
    storeUseLeagueTable(settings, true);
    storeShowSummaryScreen(settings, false);
    storeTurnSeconds(settings, 0);
}

// Runs the statements on the results file, as another program would; the first that fails,
// or an empty text when all ran.
inline QString runSqlOn(const QString& path, const QStringList& statements)
{
    const QString connection = QStringLiteral("test-sql");
    QString failed;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(path);
        if (!db.open())
            failed = QStringLiteral("cannot open ") + path;
        QSqlQuery query(db);
        for (const QString& statement : statements) {
            if (failed.isEmpty() && !query.exec(statement))
                failed = statement;
        }
    }
    QSqlDatabase::removeDatabase(connection);
    return failed;
}

}  // namespace ovatron::test
