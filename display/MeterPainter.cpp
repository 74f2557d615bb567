// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "display/MeterPainter.h"

#include "brio/BRStringQt.h"
#include "display/DisplayFont.h"
#include "core/MeterCore.h"
#include "core/ScoreReveal.h"
#include "core/FrameSnapshot.h"
#include "core/StageFrame.h"
#include "display/LayoutRects.h"
#include "display/ScaledPicture.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QPaintDevice>
#include <QPainter>
#include <QPoint>
#include <QRect>
#include <QRegion>
#include <QString>

#include <algorithm>

namespace {

constexpr QLatin1String kScoreSample("9999 ");  // its extent sizes the score column
// The name line's prompt, translated.
QString namePrefix()
{
    return QCoreApplication::translate("MeterPainter", "Name: ");
}
constexpr QLatin1Char kCursorBar('|');
// An equal turn's seconds left, translated.
QString countdownText(int seconds)
{
    return QCoreApplication::translate("MeterPainter", "%1 s").arg(seconds);
}

// Every text is drawn on one line: line breaks, tabs and other control characters count as
// spaces.
QString singleLine(const QString& text)
{
    QString line = text;
    for (QChar& character : line) {
        if (character.category() == QChar::Other_Control ||
            character == QChar::LineSeparator || character == QChar::ParagraphSeparator)
            character = QLatin1Char(' ');
    }
    return line;
}

enum class Horizontal { Left, Right };
enum class Vertical { Top, Centre };

// The paint of one frame, step by step, in the order the display is built up. A step
// whose rectangle does not reach into the region is left out.
class MeterPainter {
public:
    MeterPainter(QPainter& painter, const QRect& client, const QRegion& region,
                 const MeterScene& scene)
        : m_painter(painter),
          m_view(toLayoutRect(client)),
          m_region(region.intersected(client)),
          m_whole(QRegion(client).subtracted(m_region).isEmpty()),
          m_scene(scene),
          m_meter(scene.meter),
          m_texts(scene.texts),
          m_lineHeight(scene.text.rowHeight)
    {
        if (scene.hidden && !scene.hidden->hidden.empty()) {
            m_order = audienceRows(m_meter.leagueTable(), *scene.hidden);
            const LeagueTable& table = m_meter.leagueTable();
            const int current = m_meter.currentIndex();
            m_levelHidden = table.contains(current) &&
                            isHidden(*scene.hidden, table.entry(current).order);
        }
    }

    void paint()
    {
        if (m_region.isEmpty())
            return;
        if (!m_whole)
            m_painter.setClipRegion(m_region);
        drawBackground();
        m_painter.setBackgroundMode(Qt::TransparentMode);
        m_scene.font.select(m_painter);
        m_texts.useFontOf(m_painter);
        const layout::Rect nameLine = layout::nameLineRect(m_view, m_lineHeight);
        if (tableInUse() && m_meter.state() == MeterState::NameEntry && reaches(nameLine))
            drawNameLine(nameLine);
        if (m_meter.state() == MeterState::Measuring)
            drawMeter();
        const layout::Rect countdown =
            layout::countdownRect(m_view, m_scene.markerSizes, m_lineHeight);
        if (m_meter.state() == MeterState::Measuring && m_meter.countdownSeconds() && reaches(countdown))
            drawCountdown(countdown, *m_meter.countdownSeconds());
        if (tableInUse())
            drawLeagueTable();
    }

private:
    bool tableInUse() const { return m_meter.useLeagueTable() != 0; }

    bool reaches(const layout::Rect& rect) const
    {
        return m_whole || m_region.intersects(toQRect(rect));
    }

    // One line of text in rect, clipped to it, with no "&" mnemonics.
    void drawText(const layout::Rect& rect, const QString& text, Horizontal horizontal,
                  Vertical vertical)
    {
        if (!text.isEmpty())
            drawText(rect, m_texts.get(text), horizontal, vertical);
    }

    void drawText(const layout::Rect& rect, const MeterTextCache::Text& laidOut,
                  Horizontal horizontal, Vertical vertical)
    {
        const int x = horizontal == Horizontal::Right ? rect.right - laidOut.width : rect.left;
        const int y =
            vertical == Vertical::Centre ? rect.top + (rect.height() - m_lineHeight) / 2 : rect.top;
        if (m_whole) {
            m_painter.setClipRect(toQRect(rect));
            m_painter.drawStaticText(QPoint(x, y), laidOut.laidOut);
            m_painter.setClipping(false);
            return;
        }
        m_painter.setClipRegion(m_region.intersected(toQRect(rect)));
        m_painter.drawStaticText(QPoint(x, y), laidOut.laidOut);
        m_painter.setClipRegion(m_region);
    }

    void drawBackground()
    {
        m_painter.fillRect(toQRect(m_view), m_scene.backgroundColor);
    }

    void drawNameLine(const layout::Rect& line)
    {
        drawText(line, nameLineText(m_meter, m_scene.preedit) + kCursorBar, Horizontal::Left,
                 Vertical::Top);
    }

    void drawMeter()
    {
        const layout::MeterRects meter =
            layout::meterRects(m_view, tableInUse(), m_scene.markerSizes, m_lineHeight,
                               m_meter.level(), m_meter.peak());
        if (reaches(meter.scale))
            drawScale(meter.scale);
        if (reaches(meter.levelMarker))
            drawLevelMarker(meter.levelMarker);
        if (reaches(meter.peakMarker) && !m_levelHidden)
            drawPeakMarker(meter.peakMarker);
    }

    void drawScale(const layout::Rect& scale)
    {
        m_scene.scale.draw(m_painter, toQRect(scale), m_scene.backgroundColor);
    }

    void drawLevelMarker(const layout::Rect& marker)
    {
        m_scene.levelMarker.draw(m_painter, toQRect(marker), m_scene.backgroundColor);
        if (!m_levelHidden)
            drawText(marker, QLatin1Char(' ') + QString::number(m_meter.level()), Horizontal::Left,
                 Vertical::Centre);
    }

    void drawPeakMarker(const layout::Rect& marker)
    {
        m_scene.peakMarker.draw(m_painter, toQRect(marker), m_scene.backgroundColor);
        drawText(marker, QString::number(m_meter.peak()) + QLatin1Char(' '), Horizontal::Right,
                 Vertical::Centre);
    }

    void drawCountdown(const layout::Rect& line, int seconds)
    {
        drawText(line, countdownText(seconds), Horizontal::Left, Vertical::Top);
    }

    void drawLeagueTable()
    {
        const layout::TableMetrics& table = m_scene.text;
        const int columnRight =
            layout::scoreColumnRight(m_view, m_meter.state() == MeterState::Summary, table.scoreWidth);
        const LeagueTable& entries = m_meter.leagueTable();
        // Rows wholly outside the region would be clipped away entirely: only the rows across
        // its bands are drawn, each once. The bands come top to bottom.
        int drawnEnd = 0;
        for (const QRect& band : m_region) {
            const layout::RowRange rows =
                layout::visibleRows(m_view, table.rowHeight, entries.count(), band.top(),
                                    band.top() + band.height());
            for (int row = std::max(rows.first, drawnEnd); row < rows.end; ++row)
                drawRow(table, columnRight, row);
            drawnEnd = std::max(drawnEnd, rows.end);
        }
        const int selected = m_meter.selectedRow();
        if (m_scene.showSelection && entries.contains(selected)) {
            const layout::Rect row = layout::rowRect(
                m_view, columnRight, table, layout::rowTop(m_view, table.rowHeight, selected));
            if (reaches(row))
                drawSelection(row);
        }
    }

    // A frame inside the row's edges, over its text.
    void drawSelection(const layout::Rect& row)
    {
        const QRect frame = toQRect(row);
        const int width = std::min({kSelectionWidth, frame.width(), frame.height()});
        m_painter.fillRect(QRect(frame.left(), frame.top(), frame.width(), width), kSelectionColor);
        m_painter.fillRect(QRect(frame.left(), frame.bottom() + 1 - width, frame.width(), width),
                           kSelectionColor);
        m_painter.fillRect(QRect(frame.left(), frame.top(), width, frame.height()), kSelectionColor);
        m_painter.fillRect(QRect(frame.right() + 1 - width, frame.top(), width, frame.height()),
                           kSelectionColor);
    }

    // The applause, or with the jury on the result ("…" while it waits for the marking).
    QString scoreText(const Score& entry, bool hidden) const
    {
        if (hidden)
            return QStringLiteral("?");
        if (resultPending(entry, m_scene.pending))
            return QStringLiteral("\u2026");
        return entry.jury ? resultText(resultOf(entry)) : QString::number(entry.score);
    }

    // The line'th line of the table: that row of the table, or of the audience's order.
    void drawRow(const layout::TableMetrics& table, int columnRight, int line)
    {
        const bool reordered = !m_order.empty();
        const int row = reordered ? m_order[static_cast<std::size_t>(line)].row : line;
        const bool hidden = reordered && m_order[static_cast<std::size_t>(line)].hidden;
        const Score& entry = m_meter.leagueTable().entry(row);
        const bool current = row == m_meter.currentIndex();
        m_painter.setPen(current ? kHighlightColor : kRowColor);
        const int top = layout::rowTop(m_view, table.rowHeight, line);
        const layout::Rect score = layout::scoreRect(columnRight, table, top);
        if (reaches(score))
            drawText(score, scoreText(entry, hidden) + QLatin1Char(' '), Horizontal::Right,
                     Vertical::Top);
        if (entry.name.empty())
            return;
        const layout::Rect room = layout::nameRect(m_view, columnRight, table, top);
        if (reaches(room))
            drawText(room, m_texts.fitted(brio::toQString(entry.name), room.width()),
                     Horizontal::Right, Vertical::Top);
    }

    QPainter& m_painter;
    const layout::Rect m_view;
    const QRegion m_region;  // inside the view
    const bool m_whole;      // the region is the whole view: no clip beyond the texts' own
    const MeterScene& m_scene;
    const MeterCore& m_meter;
    MeterTextCache& m_texts;
    const int m_lineHeight;
    std::vector<AudienceRow> m_order;  // with hidden scores only
    bool m_levelHidden = false;
};

}  // namespace

void MeterTextCache::useFontOf(const QPainter& painter)
{
    const QPaintDevice* device = painter.device();
    const QSize dotsPerInch =
        device ? QSize(device->logicalDpiX(), device->logicalDpiY()) : QSize();
    if (painter.font() == m_font && dotsPerInch == m_dotsPerInch)
        return;
    // The painter's font is resolved for its device, so it lays texts out at its resolution.
    m_font = painter.font();
    m_dotsPerInch = dotsPerInch;
    m_texts.clear();
    m_shortened.clear();
}

const MeterTextCache::Text& MeterTextCache::get(const QString& text)
{
    const auto found = m_texts.constFind(text);
    if (found != m_texts.constEnd())
        return *found;
    // A full cache starts afresh: the texts of the next frames come back at once.
    if (m_texts.size() >= kMaximumTexts)
        m_texts.clear();
    Text laidOut;
    laidOut.laidOut.setText(singleLine(text));
    laidOut.laidOut.setTextFormat(Qt::PlainText);
    laidOut.laidOut.prepare(QTransform(), m_font);
    // Measured on the layout that draws it, fallback fonts included.
    laidOut.width = qRound(laidOut.laidOut.size().width());
    return *m_texts.insert(text, laidOut);
}

const MeterTextCache::Text& MeterTextCache::fitted(const QString& text, int maxWidth)
{
    if (get(text).width <= maxWidth)
        return get(text);
    const std::pair<QString, int> key(text, maxWidth);
    auto found = m_shortened.constFind(key);
    if (found == m_shortened.constEnd()) {
        if (m_shortened.size() >= kMaximumTexts)
            m_shortened.clear();
        // The same text engine, with the same fallback fonts, as the layout.
        const QString shortened = maxWidth > 0
            ? QFontMetrics(m_font).elidedText(singleLine(text), Qt::ElideRight, maxWidth)
            : QString();
        found = m_shortened.insert(key, shortened);
    }
    return get(*found);
}

QString nameLineText(const MeterCore& meter, const QString& preedit)
{
    return namePrefix() + brio::toQString(meter.typedName()) + preedit;
}

layout::TableMetrics displayTextMetrics(const QFont& font)
{
    const QFontMetrics metrics(font);
    return layout::TableMetrics{metrics.horizontalAdvance(kScoreSample), metrics.height()};
}

void paintMeter(QPainter& painter, const QRect& client, const QRegion& region,
                const MeterScene& scene)
{
    // The clips are the paint's own: the painter is handed back as it came.
    painter.save();
    MeterPainter(painter, client, region, scene).paint();
    painter.restore();
}
