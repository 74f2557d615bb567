// The two program-wide objects, in one file so that they are built in this order and
// destroyed in the reverse one: the store first, the application after it.
#include "app/Ovatron.h"
#include "app/ProductConfig.h"
#include "app/TheConfig.h"

AppConfig theConfig{brio::BRString()};

namespace {
// Fills the store right after it is constructed, before the application object exists.
const bool theConfigBuilt = (buildProductConfig(theConfig), true);
}  // namespace

Ovatron theApp;
