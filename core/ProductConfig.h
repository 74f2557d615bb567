// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/AppConfig.h"
#include "brio/BRString.h"

// The maker and the product, as the built-in product values name them.
inline const char kProductName[] = "Ovatron";
inline const char kMakerName[] = "Ovatron Project";
inline const char kMakerUrl[] = "https://ovatron.example.org/";
inline const char kSupportUrl[] = "https://ovatron.example.org/support/";

// A product file beside the program (or in the folder above it) overrides the built-in values.
inline const char kProductFileName[] = "product.bcf";

// The product file to load for a program in appDirectory: the one in appDirectory itself,
// else the one in the folder above it; empty when neither exists.
brio::BRString findProductFile(const brio::BRString& appDirectory);

// Fills a freshly constructed store with the product values, overrides them from the
// product file, records the product's title and version, and opens the settings.
void buildProductConfig(AppConfig& config);
