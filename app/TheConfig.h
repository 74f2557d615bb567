#pragma once

#include "app/AppConfig.h"

// The program's one configuration store, filled with the product values during static
// initialisation; every setting is read and written through it.
extern AppConfig theConfig;
