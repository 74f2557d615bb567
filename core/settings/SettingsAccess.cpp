// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/settings/SettingsAccess.h"

#include "brio/BRStringQt.h"
#include "core/AppConfig.h"

#include <algorithm>
#include <cmath>

namespace {

int integerFromStored(Setting setting, std::optional<int> stored)
{
    const SettingDeclaration& declared = declarationOf(setting);
    if (!stored)
        return declared.defaultNumber;
    if (*stored >= declared.minimum && *stored <= declared.maximum)
        return *stored;
    if (declared.outOfRange == OutOfRange::BroughtInside)
        return std::clamp(*stored, declared.minimum, declared.maximum);
    return declared.defaultNumber;
}

double roundToTenth(double value)
{
    return std::round(value * 10.0) / 10.0;
}

}  // namespace

int integerFromStoredText(Setting setting, const QString& stored)
{
    return integerFromStored(setting, brio::BRAppConfig::storedInteger(stored));
}

int readInteger(brio::BRAppConfig& config, Setting setting)
{
    // The store answers with the default when it holds no integer, which needs no range.
    const SettingDeclaration& declared = declarationOf(setting);
    const int stored = readSetting(config, settingKey(setting), declared.defaultNumber);
    return integerFromStored(setting, stored);
}

bool readSwitch(brio::BRAppConfig& config, Setting setting)
{
    return readInteger(config, setting) != 0;
}

QString readText(brio::BRAppConfig& config, Setting setting)
{
    const SettingDeclaration& declared = declarationOf(setting);
    const QString stored = brio::toQString(config.getRegistryString(
        kSettingsSection, settingKey(setting), declared.defaultText, kSettingsHive));
    if (declared.kind == SettingKind::Choice && stored != QLatin1String(declared.choices[1]))
        return QString::fromLatin1(declared.defaultText);
    return stored;
}

double readDecimal(brio::BRAppConfig& config, Setting setting)
{
    bool ok = false;
    const double stored = readTextSetting(config, settingKey(setting)).trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(stored))
        return declarationOf(setting).defaultDecimal;
    return roundToTenth(stored);
}

void writeInteger(brio::BRAppConfig& config, Setting setting, int value)
{
    writeSetting(config, settingKey(setting), value);
}

void writeSwitch(brio::BRAppConfig& config, Setting setting, bool on)
{
    writeInteger(config, setting, on ? 1 : 0);
}

void writeText(brio::BRAppConfig& config, Setting setting, const QString& value)
{
    writeTextSetting(config, settingKey(setting), value);
}

void writeDecimal(brio::BRAppConfig& config, Setting setting, double value)
{
    writeText(config, setting, QString::number(roundToTenth(value), 'f', 1));
}
