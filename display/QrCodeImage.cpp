// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "display/QrCodeImage.h"

#include <qrencode.h>

#include <QLibrary>
#include <QPainter>

#include <memory>

namespace {

constexpr int kQuietModules = 4;

// The encoder is loaded the first time a code is drawn, as the program's modules are: most
// shows never draw one, and a start need not map it. It stays loaded once it is.
constexpr int kEncoderVersion = 4;
using EncodeFunction = QRcode* (*)(const char*, int, QRecLevel);
using FreeFunction = void (*)(QRcode*);

}  // namespace

QImage qrCodeImage(const QString& text, int moduleSize)
{
    QLibrary encoder(QStringLiteral("qrencode"), kEncoderVersion);
    const auto encode = reinterpret_cast<EncodeFunction>(encoder.resolve("QRcode_encodeString8bit"));
    const auto release = reinterpret_cast<FreeFunction>(encoder.resolve("QRcode_free"));
    if (encode == nullptr || release == nullptr)
        return {};
    const QByteArray utf8 = text.toUtf8();
    const std::unique_ptr<QRcode, FreeFunction> code(encode(utf8.constData(), 0, QR_ECLEVEL_M),
                                                     release);
    if (!code)
        return {};
    const int side = (code->width + 2 * kQuietModules) * moduleSize;
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    for (int y = 0; y < code->width; ++y) {
        for (int x = 0; x < code->width; ++x) {
            // The low bit of each module's byte says whether it is dark.
            if (code->data[y * code->width + x] & 1)
                painter.fillRect((x + kQuietModules) * moduleSize, (y + kQuietModules) * moduleSize,
                                 moduleSize, moduleSize, Qt::black);
        }
    }
    return image;
}
