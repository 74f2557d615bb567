// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

// Any bytes as the product file beside the program: loading it never fails hard, and the
// values it gives are read back as text and numbers without trouble.
#include "FuzzSupport.h"

#include "brio/BRAppConfig.h"
#include "brio/BRStringQt.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString path = scratchFolder() + QStringLiteral("/product.bcf");
    writeWholeFile(path, data, size);
    brio::BRAppConfig config(brio::fromQString(scratchFolder()));
    config.setProductValue("PRODUCT_NAME", brio::BRValue("Ovatron"));
    config.loadProductInfo(brio::fromQString(path));
    // The keys the program reads, and one that a garbled line could have made.
    for (const char* key : {"PRODUCT_NAME", "PRODUCT_TITLE", "PRODUCT_MAJOR_VERSION",
                            "PRODUCT_COMPANY_URL", ""}) {
        (void)config.getProductString(key).toUtf8();
        (void)config.getProductInt32(key);
    }
    return 0;
}
