// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/ProductConfig.h"

#include "brio/BRFileInfo.h"
#include "brio/BRFilename.h"
#include "brio/BRValue.h"
#include "core/Version.h"

using brio::BRString;
using brio::BRValue;

namespace {

void setBuiltInProductValues(AppConfig& config)
{
    const BRString maker(kMakerName);
    config.setProductValue("PRODUCT_NAME", BRValue(kProductName));
    config.setProductValue("PRODUCT_TITLE", BRValue(maker + " " + kProductName));
    config.setProductValue("PRODUCT_MAJOR_VERSION", BRValue(version::kMajor));
    config.setProductValue("PRODUCT_MINOR_VERSION", BRValue(version::kMinor));
    config.setProductValue("PRODUCT_REVISION", BRValue(version::kPatch));
    config.setProductValue("PRODUCT_BUILD", BRValue(version::kTweak));
    config.setProductValue("PRODUCT_COMPANY", BRValue(maker));
    config.setProductValue("PRODUCT_COMPANY_URL", BRValue(kMakerUrl));
    config.setProductValue("PRODUCT_SUPPORT_NAME", BRValue(maker + " Technical Support"));
    config.setProductValue("PRODUCT_SUPPORT_URL", BRValue(kSupportUrl));
}

brio::BRAppInfo productInfoOf(const AppConfig& config)
{
    const BRString title = config.getProductString("PRODUCT_TITLE");
    const int build = config.getProductInt32("PRODUCT_BUILD");
    const int revision = config.getProductInt32("PRODUCT_REVISION");
    const int minorVersion = config.getProductInt32("PRODUCT_MINOR_VERSION");
    const int majorVersion = config.getProductInt32("PRODUCT_MAJOR_VERSION");
    return brio::BRAppInfo(title, majorVersion, minorVersion, revision, build);
}

}  // namespace

BRString findProductFile(const BRString& appDirectory)
{
    using brio::BRFilename;
    const BRString besideProgram = BRFilename::concatPaths(appDirectory, kProductFileName);
    if (brio::BRFileInfo::isFile(besideProgram))
        return besideProgram;
    const BRString aboveProgram =
        BRFilename::concatPaths(BRFilename::dirname(appDirectory), kProductFileName);
    if (brio::BRFileInfo::isFile(aboveProgram))
        return aboveProgram;
    return BRString();
}

void buildProductConfig(AppConfig& config)
{
    setBuiltInProductValues(config);
    const BRString productFile = findProductFile(config.appDirectory());
    if (!productFile.empty())
        config.loadProductInfo(productFile);
    config.setProductInfo(productInfoOf(config));
    config.init(kProductName);
}
