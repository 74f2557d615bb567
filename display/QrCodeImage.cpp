// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "display/QrCodeImage.h"

#include <qrencode.h>

#include <QPainter>

#include <memory>

namespace {

constexpr int kQuietModules = 4;

struct QrCodeFree {
    void operator()(QRcode* code) const { QRcode_free(code); }
};

}  // namespace

QImage qrCodeImage(const QString& text, int moduleSize)
{
    const QByteArray utf8 = text.toUtf8();
    const std::unique_ptr<QRcode, QrCodeFree> code(
        QRcode_encodeString8bit(utf8.constData(), 0, QR_ECLEVEL_M));
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
