// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/dialogs/JudgeCards.h"

#include "display/QrCodeImage.h"

#include <QFont>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

namespace {

constexpr qreal kNamePoints = 28.0;
constexpr qreal kLinkPoints = 11.0;
constexpr int kQrModulePixels = 12;
constexpr int kPdfResolution = 300;

QFont cardFont(qreal points, bool bold)
{
    QFont font;
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

}  // namespace

bool paintJudgeCards(QPagedPaintDevice& device, const std::vector<jury::Judge>& judges,
                     const JudgeLinkBase& links)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    bool first = true;
    for (const jury::Judge& judge : judges) {
        if (judge.token.isEmpty())
            continue;
        if (!first)
            device.newPage();
        first = false;
        const QRectF page(0, 0, device.width(), device.height());
        const QString link = judgeLink(links, judge.token);
        painter.setFont(cardFont(kNamePoints, true));
        const QRectF name(page.left(), page.top(), page.width(), page.height() / 6);
        painter.drawText(name, Qt::AlignCenter, judge.name);
        const QImage code = qrCodeImage(link, kQrModulePixels);
        const qreal side = std::min(page.width() / 2, page.height() / 2);
        const QRectF square(page.center().x() - side / 2, name.bottom(), side, side);
        painter.drawImage(square, code);
        painter.setFont(cardFont(kLinkPoints, false));
        painter.drawText(QRectF(page.left(), square.bottom(), page.width(), page.height() / 8),
                         Qt::AlignCenter | Qt::TextWrapAnywhere, link);
    }
    return painter.end();
}

bool exportJudgeCards(const QString& path, const std::vector<jury::Judge>& judges,
                      const JudgeLinkBase& links)
{
    QPdfWriter writer(path);
    writer.setResolution(kPdfResolution);
    writer.setTitle(QStringLiteral("Ovatron"));
    return paintJudgeCards(writer, judges, links);
}
