// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QString>

// The text as a QR code (error correction level M), each module moduleSize pixels with the
// quiet zone of four modules around it; a null image when the text does not fit in one.
QImage qrCodeImage(const QString& text, int moduleSize);
