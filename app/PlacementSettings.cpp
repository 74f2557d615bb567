#include "app/PlacementSettings.h"

#include "app/AppConfig.h"

using brio::BRAppConfig;

namespace {

int readInteger(BRAppConfig& config, const char* key)
{
    return config.getRegistryInteger(kSettingsSection, key, 0, kSettingsHive);
}

void writeInteger(BRAppConfig& config, const char* key, int value)
{
    config.setRegistryInteger(kSettingsSection, key, value, kSettingsHive);
}

}  // namespace

StoredPlacement loadPlacement(BRAppConfig& config)
{
    StoredPlacement placement{};
    placement.xpos = readInteger(config, kXPosKey);
    placement.ypos = readInteger(config, kYPosKey);
    placement.width = readInteger(config, kWidthKey);
    placement.height = readInteger(config, kHeightKey);
    placement.state = readInteger(config, kShowStateKey);
    return placement;
}

void savePlacement(BRAppConfig& config, int x, int y, int width, int height, int showState)
{
    writeInteger(config, kXPosKey, x);
    writeInteger(config, kYPosKey, y);
    writeInteger(config, kWidthKey, width);
    writeInteger(config, kHeightKey, height);
    writeInteger(config, kShowStateKey, showState == kShowMinimised ? kShowNormal : showState);
}

bool loadFullScreenFlag(BRAppConfig& config)
{
    return readInteger(config, kFullScreenKey) != 0;
}

void storeFullScreenFlag(BRAppConfig& config, bool fullScreen)
{
    writeInteger(config, kFullScreenKey, fullScreen ? 1 : 0);
}
