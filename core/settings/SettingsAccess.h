// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/settings/SettingsDeclaration.h"

#include <QString>

namespace brio {
class BRAppConfig;
}

// A declared setting read from the store and written to it, by the rules of its declaration:
// its default when the store holds nothing usable, and its range. A value read out of range
// stays in the file as it is until another is written.

// Integer and Colour settings (a colour as its 32 bits); a Switch as it is stored.
int readInteger(brio::BRAppConfig& config, Setting setting);
// A Switch, or an Integer of 0..1: whether it is on.
bool readSwitch(brio::BRAppConfig& config, Setting setting);
// Text settings; a Choice reads as its default unless it holds its other text exactly.
QString readText(brio::BRAppConfig& config, Setting setting);
// A Decimal setting to a tenth; its default when the text is no finite number.
double readDecimal(brio::BRAppConfig& config, Setting setting);

void writeInteger(brio::BRAppConfig& config, Setting setting, int value);
void writeSwitch(brio::BRAppConfig& config, Setting setting, bool on);
void writeText(brio::BRAppConfig& config, Setting setting, const QString& value);
// Kept to a tenth, as the operator reads it.
void writeDecimal(brio::BRAppConfig& config, Setting setting, double value);

// What an Integer setting's stored text reads as, by the rules above: for a value the store
// announced as changed (BRAppConfig::valueChanged), which needs no read of the file.
int integerFromStoredText(Setting setting, const QString& stored);
