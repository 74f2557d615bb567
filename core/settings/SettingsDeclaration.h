// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstddef>
#include <limits>

// Every setting of the program's settings file, declared once: its key, what kind of value it
// holds, its default and its range. The feature headers beside this one take their keys,
// defaults and ranges from here, and README.md's table of settings is checked against it.
enum class Setting {
    FontName,
    FontSize,
    FontStyle,
    FontColor,
    BackgroundColor,
    UseLeagueTable,
    ShowSummaryScreen,
    TurnSeconds,
    WindowX,
    WindowY,
    WindowWidth,
    WindowHeight,
    WindowState,
    FullScreen,
    AudienceScreen,
    ShowAudienceScreen,
    AudienceLook,
    StageTheme,
    EventTitle,
    EventLogo,
    HideScores,
    UseMicrophone,
    MicrophoneDevice,
    MicrophoneFloor,
    MicrophoneRange,
    MicrophoneDevices,
    MicrophonePlaces,
    MicrophoneFloors,
    ShowControl,
    ShowControlAddress,
    ShowControlPort,
    ShowControlToken,
    Osc,
    OscPort,
    OscAddress,
    OscAllowFrom,
    OscSendTo,
    OscSendLevel,
    SoundCues,
    CueDevice,
    CueVolume,
    CueDrumRollFile,
    CueFanfareFile,
    CueBuzzerFile,
    CueStingFile,
};

enum class SettingKind {
    Integer,  // a whole number, within its range
    Switch,   // 0 off, any other value on
    Colour,   // 0x00BBGGRR, stored as the integer with the same 32 bits
    Text,
    Choice,   // one of its two texts
    Decimal,  // a number kept as text with one decimal, as the operator reads it
};

// What a stored integer outside the range reads as. The file keeps what it holds either way.
enum class OutOfRange {
    ReadsAsDefault,
    BroughtInside,  // the nearest end of the range
};

struct SettingDeclaration {
    Setting id;
    const char* key;
    SettingKind kind;
    int defaultNumber = 0;  // Integer, Switch, Colour
    const char* defaultText = "";  // Text, Choice (empty for Integer, Switch, Colour)
    double defaultDecimal = 0.0;   // Decimal
    int minimum = std::numeric_limits<int>::min();
    int maximum = std::numeric_limits<int>::max();
    OutOfRange outOfRange = OutOfRange::ReadsAsDefault;
    std::array<const char*, 2> choices{};  // Choice: the default first
};

namespace settings_declaration {

using enum Setting;
using enum SettingKind;

constexpr SettingDeclaration integer(Setting id, const char* key, int value, int minimum,
                                     int maximum, OutOfRange outside = OutOfRange::ReadsAsDefault)
{
    return {.id = id, .key = key, .kind = Integer, .defaultNumber = value, .minimum = minimum,
            .maximum = maximum, .outOfRange = outside};
}

// A whole number taken as it is stored.
constexpr SettingDeclaration anyInteger(Setting id, const char* key, int value)
{
    return {.id = id, .key = key, .kind = Integer, .defaultNumber = value};
}

constexpr SettingDeclaration onOff(Setting id, const char* key, int value)
{
    return {.id = id, .key = key, .kind = Switch, .defaultNumber = value};
}

constexpr SettingDeclaration colour(Setting id, const char* key, int value)
{
    return {.id = id, .key = key, .kind = Colour, .defaultNumber = value};
}

constexpr SettingDeclaration text(Setting id, const char* key, const char* value = "")
{
    return {.id = id, .key = key, .kind = Text, .defaultText = value};
}

constexpr SettingDeclaration choice(Setting id, const char* key, const char* first,
                                    const char* second)
{
    return {.id = id, .key = key, .kind = Choice, .defaultText = first, .choices = {first, second}};
}

constexpr SettingDeclaration decimal(Setting id, const char* key, double value)
{
    return {.id = id, .key = key, .kind = Decimal, .defaultDecimal = value};
}

inline constexpr char kThisComputer[] = "127.0.0.1";
inline constexpr char kLocalNetwork[] = "0.0.0.0";

// In the order of Setting.
inline constexpr std::array kTable{
    text(FontName, "FontName", "Comic Sans MS"),
    anyInteger(FontSize, "FontSize", 240),  // tenths of a point
    anyInteger(FontStyle, "FontStyle", 1),  // bits, see FontUnits.h; bold
    colour(FontColor, "FontColor", 0x00000000),              // black
    colour(BackgroundColor, "BackgroundColor", 0x00FFFFFF),  // white
    onOff(UseLeagueTable, "UseLeagueTable", 1),
    onOff(ShowSummaryScreen, "ShowSummaryScreen", 1),
    // 0 lets a turn run until Enter.
    integer(TurnSeconds, "TurnSeconds", 0, 0, 60),
    // The main window's normal rectangle and show state; 0 each lets the window system place it.
    anyInteger(WindowX, "xpos", 0),
    anyInteger(WindowY, "ypos", 0),
    anyInteger(WindowWidth, "width", 0),
    anyInteger(WindowHeight, "height", 0),
    anyInteger(WindowState, "state", 0),
    onOff(FullScreen, "fullscreen", 0),
    text(AudienceScreen, "AudienceScreen"),  // a screen's name; empty: automatic
    onOff(ShowAudienceScreen, "ShowAudienceScreen", 0),
    choice(AudienceLook, "AudienceLook", "Stage", "Mirror"),
    choice(StageTheme, "StageTheme", "Dark", "Light"),
    text(EventTitle, "EventTitle"),
    text(EventLogo, "EventLogo"),  // the copy's file name in the data folder
    integer(HideScores, "HideScores", 0, 0, 1),
    onOff(UseMicrophone, "UseMicrophone", 0),
    text(MicrophoneDevice, "MicrophoneDevice"),  // device id; empty: the system's default
    // LUFS. A room nobody has measured: a quiet living room reads about this loud.
    decimal(MicrophoneFloor, "MicrophoneFloor", -50.0),
    // LU, from the room at rest to a full house cheering. A narrower range would turn a cough
    // into a full score; 60 is the widest the calibration dialog offers.
    integer(MicrophoneRange, "MicrophoneRange", 30, 1, 60, OutOfRange::BroughtInside),
    // The room's microphones, up to four, in order, entries separated by "|" (in the file ","
    // would make a list and ";" a comment): the device ids (an empty entry: the system's default), where
    // each stands ("Left", "Balcony"), and each one's own floor in LUFS. Absent: one microphone, MicrophoneDevice's and
    // MicrophoneFloor's.
    text(MicrophoneDevices, "MicrophoneDevices"),
    text(MicrophonePlaces, "MicrophonePlaces"),
    text(MicrophoneFloors, "MicrophoneFloors"),
    onOff(ShowControl, "ShowControl", 0),
    choice(ShowControlAddress, "ShowControlAddress", kThisComputer, kLocalNetwork),
    integer(ShowControlPort, "ShowControlPort", 7480, 1, 65535),
    text(ShowControlToken, "ShowControlToken"),  // made the first time show control is on
    integer(Osc, "Osc", 0, 0, 1),
    integer(OscPort, "OscPort", 7481, 1, 65535),
    choice(OscAddress, "OscAddress", kThisComputer, kLocalNetwork),
    text(OscAllowFrom, "OscAllowFrom"),  // sender addresses, comma-separated; empty: this computer
    text(OscSendTo, "OscSendTo"),  // host:port, comma-separated; empty: nothing is sent
    integer(OscSendLevel, "OscSendLevel", 0, 0, 1),
    onOff(SoundCues, "SoundCues", 0),
    text(CueDevice, "CueDevice"),  // output device id; empty: the default
    // Percent. Loud enough for a hall's system, below the full scale a WAV of the operator's
    // may use.
    integer(CueVolume, "CueVolume", 80, 0, 100, OutOfRange::BroughtInside),
    // A WAV file of the operator's in place of the project's own cue; empty: the project's own.
    text(CueDrumRollFile, "CueDrumRollFile"),
    text(CueFanfareFile, "CueFanfareFile"),
    text(CueBuzzerFile, "CueBuzzerFile"),
    text(CueStingFile, "CueStingFile"),
};

constexpr bool inOrder()
{
    for (std::size_t i = 0; i < kTable.size(); ++i) {
        if (static_cast<std::size_t>(kTable[i].id) != i)
            return false;
    }
    return true;
}
static_assert(inOrder(), "the table lists every setting once, in the order of Setting");
static_assert(kTable.back().id == CueStingFile, "the table ends with the last setting");

}  // namespace settings_declaration

inline constexpr const auto& kSettingDeclarations = settings_declaration::kTable;

constexpr const SettingDeclaration& declarationOf(Setting setting)
{
    return kSettingDeclarations[static_cast<std::size_t>(setting)];
}

constexpr const char* settingKey(Setting setting)
{
    return declarationOf(setting).key;
}
