// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "display/StagePainter.h"

#include "core/Translated.h"

#include "brio/BRStringQt.h"
#include "display/EventLogo.h"
#include "display/LayoutRects.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QRegion>
#include <QPaintDevice>

#include <algorithm>

namespace {

constexpr QLatin1String kRankSample("888.");
// Wide enough for a result with its tenth.
constexpr QLatin1String kScoreSample("100.0");
constexpr QLatin1String kCountdownSample("888");
const QString kGapMark = QStringLiteral("⋯");
// In place of a hidden score.
const QString kHiddenMark = QStringLiteral("?");
// In place of a result whose marking is still open.
const QString kPendingMark = QStringLiteral("\u2026");
// The confetti's colours, bright on either theme.
constexpr std::uint32_t kConfettiColours[stage::kConfettiColours] = {0xF94144, 0xF9C74F, 0x43AA8B,
                                                                      0x577590, 0xF3722C};

layout::Rect shifted(const layout::Rect& rect, int dy)
{
    return layout::Rect{rect.left, rect.top + dy, rect.right, rect.bottom + dy};
}

QColor colorOf(std::uint32_t rgb)
{
    return QColor::fromRgb(static_cast<QRgb>(0xFF000000u | rgb));
}

enum class Align { Left, Centre, Right };

class StagePainter {
public:
    StagePainter(QPainter& painter, const QRegion& region, const StageScene& scene)
        : m_painter(painter),
          m_frame(scene.frame),
          m_scene(scene),
          m_palette(scene.frame.look.palette),
          m_layout(stageLayoutOf(scene.frame)),
          m_region(region.intersected(toQRect(scene.frame.view)))
    {
    }

    void paint()
    {
        if (m_region.isEmpty())
            return;
        m_painter.setClipRegion(m_region);
        m_painter.setBackgroundMode(Qt::TransparentMode);
        drawBackground();
        drawBand();
        if (m_frame.winners) {
            drawPodium();
            drawAwards();
            drawConfetti();
            return;
        }
        if (m_frame.duel)
            drawDuel(*m_frame.duel);
        else
            drawMeterColumn();
        if (m_frame.juryFigures)
            drawJuryFigures(*m_frame.juryFigures);
        if (!m_frame.pair.empty())
            drawPair();
        if (m_frame.tableInUse)
            drawTable();
    }

private:
    bool reaches(const layout::Rect& rect) const { return m_region.intersects(toQRect(rect)); }

    void fill(const layout::Rect& rect, std::uint32_t rgb)
    {
        if (reaches(rect))
            m_painter.fillRect(toQRect(rect), colorOf(rgb));
    }

    // One line of text in the face's cache, clipped to rect and centred in its height.
    void drawText(const layout::Rect& rect, const QString& text, const QFont& font,
                  MeterTextCache& cache, Align align, std::uint32_t rgb, bool fitted = false)
    {
        if (text.isEmpty() || !reaches(rect))
            return;
        m_painter.setFont(font);
        cache.useFontOf(m_painter);
        const MeterTextCache::Text& laidOut =
            fitted ? cache.fitted(text, rect.width()) : cache.get(text);
        int x = rect.left;
        if (align == Align::Right)
            x = rect.right - laidOut.width;
        else if (align == Align::Centre)
            x = rect.left + (rect.width() - laidOut.width) / 2;
        const int y = rect.top + (rect.height() - qRound(laidOut.laidOut.size().height())) / 2;
        m_painter.setPen(colorOf(rgb));
        m_painter.setClipRegion(m_region.intersected(toQRect(rect)));
        m_painter.drawStaticText(QPoint(x, y), laidOut.laidOut);
        m_painter.setClipRegion(m_region);
    }

    void drawBackground()
    {
        m_painter.fillRect(m_region.boundingRect(), colorOf(m_palette.background));
    }

    void drawBand()
    {
        if (!m_scene.logo.isNull() && reaches(m_layout.logo))
            drawLogo(m_layout.logo);
        drawText(m_layout.title, m_frame.look.title, m_scene.fonts.title, m_scene.texts.title,
                 Align::Centre, m_palette.text, true);
        if (m_frame.countdown)
            drawText(m_layout.countdown, QString::number(*m_frame.countdown), m_scene.fonts.large,
                     m_scene.texts.large, Align::Right, m_palette.current);
    }

    void drawLogo(const layout::Rect& room)
    {
        const QRect target = toQRect(room);
        const QImage picture =
            m_scene.logo.picture(target.size(), m_painter.device()->devicePixelRatioF());
        const QSize shown = (picture.size().toSizeF() / picture.devicePixelRatio()).toSize();
        // Centred upright in its room, at the left of the band.
        const QPoint at(target.left(), target.top() + (target.height() - shown.height()) / 2);
        m_painter.setClipRegion(m_region.intersected(target));
        m_painter.drawImage(at, picture);
        m_painter.setClipRegion(m_region);
    }

    void drawMeterColumn()
    {
        if (m_frame.newLeader) {
            fill(m_layout.leaderLine, m_palette.leaderBand);
            drawText(m_layout.leaderLine, translated("StagePainter", QT_TRANSLATE_NOOP("StagePainter", "New leader")),
                     m_scene.fonts.row, m_scene.texts.row, Align::Centre, m_palette.leaderText,
                     true);
        }
        fill(m_layout.track, m_palette.track);
        drawScale();
        if (!m_frame.measuring)
            return;
        if (!m_frame.levelHidden)
            drawText(m_layout.levelNumber, QString::number(m_frame.level), m_scene.fonts.large,
                     m_scene.texts.large, Align::Centre, m_palette.text);
        drawLevel();
        if (m_frame.levelHidden)
            return;
        fill(stage::peakTickRect(m_layout, m_frame.peak), m_palette.current);
        drawText(stage::peakNumberRect(m_layout, m_frame.peak), QString::number(m_frame.peak),
                 m_scene.fonts.scale, m_scene.texts.scale, Align::Left, m_palette.current);
    }

    // Two meters side by side, each headed by its side's name; the verdict where the
    // new-leader line stands.
    void drawDuel(const StageDuel& duel)
    {
        if (duel.over) {
            fill(m_layout.leaderLine, m_palette.leaderBand);
            drawText(m_layout.leaderLine, duel.verdict, m_scene.fonts.row, m_scene.texts.row,
                     Align::Centre, m_palette.leaderText, true);
        }
        const StageDuelSide* sides[] = {&duel.left, &duel.right};
        for (int side = 0; side < 2; ++side) {
            const stage::DuelSideRects rects = stage::duelSideRects(m_layout, side);
            drawText(rects.name, brio::toQString(sides[side]->name), m_scene.fonts.row,
                     m_scene.texts.row, Align::Centre, m_palette.text, true);
            drawText(rects.number,
                     QString::number(duel.over ? sides[side]->score : sides[side]->level),
                     m_scene.fonts.large, m_scene.texts.large, Align::Centre,
                     duel.over ? m_palette.current : m_palette.text);
            fill(rects.track, m_palette.track);
            const layout::Rect level = stage::duelFillRect(rects, duel.over ? sides[side]->score
                                                                            : sides[side]->level);
            if (!reaches(level))
                continue;
            QLinearGradient gradient(0, rects.track.bottom, 0, rects.track.top);
            gradient.setColorAt(0, colorOf(m_palette.fillCool));
            gradient.setColorAt(0.5, colorOf(m_palette.fill));
            gradient.setColorAt(1, colorOf(m_palette.fillHot));
            m_painter.fillRect(toQRect(level), QBrush(gradient));
        }
    }

    // Applause and jury each with its weight, and the result they give.
    void drawJuryFigures(const StageJuryFigures& figures)
    {
        const auto shown = [&](const QString& text) { return figures.hidden ? kHiddenMark : text; };
        const QString result = figures.pending ? kPendingMark : resultText(figures.result);
        const QString lines[stage::kJuryFigures] = {
            QCoreApplication::translate("StagePainter", "Applause %1 \u00d7 %2 %")
                .arg(shown(QString::number(figures.applause)))
                .arg(figures.weights.applause),
            QCoreApplication::translate("StagePainter", "Jury %1 \u00d7 %2 %")
                .arg(shown(figures.jury ? pointsText(*figures.jury) : kPendingMark))
                .arg(figures.weights.jury),
            QCoreApplication::translate("StagePainter", "Result %1").arg(shown(result))};
        for (int figure = 0; figure < stage::kJuryFigures; ++figure)
            drawText(stage::juryFigureRect(m_layout, figure), lines[figure], m_scene.fonts.scale,
                     m_scene.texts.scale, Align::Centre,
                     figure == stage::kJuryFigures - 1 ? m_palette.current : m_palette.text, true);
    }

    void drawScale()
    {
        for (int value = 0; value <= 100; value += stage::kScaleStep) {
            fill(stage::scaleTickRect(m_layout, value), m_palette.text);
            drawText(stage::scaleLabelRect(m_layout, value), QString::number(value),
                     m_scene.fonts.scale, m_scene.texts.scale, Align::Right, m_palette.text);
        }
    }

    // Cool at the foot of the track to hot at its top: each line's colour is its height's, so
    // a part repainted matches the whole.
    void drawLevel()
    {
        const layout::Rect level = stage::fillRect(m_layout, m_frame.level);
        if (!reaches(level))
            return;
        const layout::Rect& track = m_layout.track;
        QLinearGradient gradient(0, track.bottom, 0, track.top);
        gradient.setColorAt(0, colorOf(m_palette.fillCool));
        gradient.setColorAt(0.5, colorOf(m_palette.fill));
        gradient.setColorAt(1, colorOf(m_palette.fillHot));
        m_painter.fillRect(toQRect(level), QBrush(gradient));
    }

    void drawTable()
    {
        if (m_frame.gapSlot >= 0)
            drawText(stage::slotRect(m_layout, m_frame.gapSlot), kGapMark, m_scene.fonts.row,
                     m_scene.texts.row, Align::Centre, m_palette.text);
        const StageRow* gliding = nullptr;
        for (const StageRow& row : m_frame.rows) {
            if (m_frame.glide && row.current)
                gliding = &row;
            else if (reaches(stage::slotRect(m_layout, row.slot)))
                drawRow(row, 0);
        }
        // The overtaking row passes over the rows it crosses, on a band of its own.
        if (gliding) {
            const StageGlide& glide = *m_frame.glide;
            const layout::Rect at =
                stage::glidingRowRect(m_layout, glide.fromSlot, glide.toSlot, glide.progress);
            if (!reaches(at))
                return;
            fill(at, m_palette.background);
            drawRow(*gliding, at.top - stage::slotRect(m_layout, gliding->slot).top);
        }
    }

    // A row in its slot, or dy pixels below it while it glides.
    void drawRow(const StageRow& row, int dy)
    {
        std::uint32_t ink = row.current ? m_palette.current : m_palette.text;
        if (row.newLeader) {
            fill(shifted(stage::slotRect(m_layout, row.slot), dy), m_palette.leaderBand);
            ink = m_palette.leaderText;
        }
        const QFont& font = m_scene.fonts.row;
        MeterTextCache& cache = m_scene.texts.row;
        if (row.rank > 0)
            drawText(shifted(stage::rankRect(m_layout, row.slot), dy),
                     QString::number(row.rank) + QLatin1Char('.'), font, cache, Align::Right, ink);
        if (row.hidden)
            drawText(shifted(stage::rankRect(m_layout, row.slot), dy), kHiddenMark, font, cache,
                     Align::Right, ink);
        drawText(shifted(stage::nameRect(m_layout, row.slot), dy), brio::toQString(row.name), font,
                 cache, Align::Left, ink, true);
        drawText(shifted(stage::scoreRect(m_layout, row.slot), dy), scoreText(row), font, cache,
                 Align::Right, ink);
    }

    static QString scoreText(const StageRow& row)
    {
        if (row.hidden)
            return kHiddenMark;
        if (row.pending)
            return kPendingMark;
        return row.result ? resultText(*row.result) : QString::number(row.score);
    }

    void drawPair()
    {
        const stage::PairLayout pair = stage::pairLayout(m_layout);
        for (std::size_t side = 0; side < m_frame.pair.size() && side < 2; ++side) {
            const stage::PairCard& rects = pair.cards[side];
            const StagePairCard& card = m_frame.pair[side];
            // A frame in the track's colour round the background, so that the texts read on
            // the background as everywhere else, whatever text colour was stored.
            const int frame = std::max(2, m_layout.pitch / 8);
            fill(rects.card, m_palette.track);
            fill(layout::Rect{rects.card.left + frame, rects.card.top + frame,
                              rects.card.right - frame, rects.card.bottom - frame},
                 m_palette.background);
            drawText(rects.name, brio::toQString(card.name), m_scene.fonts.row, m_scene.texts.row,
                     Align::Centre, m_palette.text, true);
            const QString score = card.result ? resultText(*card.result) : QString::number(card.score);
            drawText(rects.score, card.hidden ? kHiddenMark : score,
                     m_scene.fonts.large, m_scene.texts.large, Align::Centre, m_palette.text);
        }
    }

    void drawConfetti()
    {
        for (const stage::ConfettiPiece& piece : m_frame.confetti)
            fill(piece.rect, kConfettiColours[piece.colour]);
    }

    void drawPodium()
    {
        const stage::Podium podium = stage::podiumLayout(m_layout);
        for (int place = 0; place < stage::kPodiumPlaces; ++place)
            drawPlace(podium, place, m_frame.podium[static_cast<std::size_t>(place)]);
    }

    void drawPlace(const stage::Podium& podium, int place, const PodiumPlace& shown)
    {
        const stage::PodiumPlace& rects = podium.places[place];
        fill(rects.block, place == 0 ? m_palette.leaderBand : m_palette.track);
        if (shown.names.empty())
            return;
        const std::uint32_t ink = place == 0 ? m_palette.leaderText : m_palette.text;
        drawText(rects.score, shown.result ? resultText(*shown.result) : QString::number(shown.score),
                 m_scene.fonts.large,
                 m_scene.texts.large, Align::Centre, ink);
        QStringList lines;
        for (const brio::BRString& name : shown.names)
            lines << brio::toQString(name);
        if (shown.more > 0)
            lines << QCoreApplication::translate("StagePainter", "and %n more", nullptr, shown.more);
        // The lowest name stands on the block; a shared place lists its names above it.
        const int count = std::min(static_cast<int>(lines.size()), podium.nameLines);
        for (int line = 0; line < count; ++line) {
            const int bottom = rects.names.bottom - (count - 1 - line) * m_layout.pitch;
            const layout::Rect room{rects.names.left, bottom - m_layout.pitch, rects.names.right,
                                    bottom};
            drawText(room, lines[line], m_scene.fonts.row, m_scene.texts.row, Align::Centre,
                     place == 0 ? m_palette.current : m_palette.text, true);
        }
    }

    // The Judges' Choice and the People's Choice, side by side below the podium.
    void drawAwards()
    {
        const char* titles[stage::kJuryAwards] = {
            QT_TRANSLATE_NOOP("StagePainter", "Judges' Choice: %1 (%2)"),
            QT_TRANSLATE_NOOP("StagePainter", "People's Choice: %1 (%2)")};
        for (std::size_t award = 0; award < m_frame.awards.size() && award < stage::kJuryAwards;
             ++award) {
            const StageAward& shown = m_frame.awards[award];
            if (shown.names.empty())
                continue;
            QStringList names;
            for (const brio::BRString& name : shown.names)
                names << brio::toQString(name);
            if (shown.more > 0)
                names << QCoreApplication::translate("StagePainter", "and %n more", nullptr, shown.more);
            const QString text = QCoreApplication::translate("StagePainter", titles[award])
                                     .arg(names.join(QStringLiteral(", ")), shown.figure);
            drawText(stage::awardRect(m_layout, static_cast<int>(award)), text, m_scene.fonts.row,
                     m_scene.texts.row, Align::Centre, m_palette.text, true);
        }
    }

    QPainter& m_painter;
    const StageFrame& m_frame;
    const StageScene& m_scene;
    const StagePalette& m_palette;
    const stage::Layout m_layout;
    const QRegion m_region;
};

QFont sized(const QFont& display, int pixels, const QFont& base, const QPaintDevice& device)
{
    QFont font = display;
    font.setPixelSize(pixels);
    font.setUnderline(false);
    return QFont(font.resolve(QFont(base, &device)), &device);
}

}  // namespace

StageFonts stageFonts(const QFont& display, const stage::TypeSizes& sizes, const QFont& base,
                      const QPaintDevice& device)
{
    return StageFonts{sized(display, sizes.title, base, device),
                      sized(display, sizes.row, base, device),
                      sized(display, sizes.large, base, device),
                      sized(display, sizes.scale, base, device)};
}

stage::TextWidths stageTextWidths(const StageFonts& fonts)
{
    return stage::TextWidths{QFontMetrics(fonts.row).horizontalAdvance(kRankSample),
                             QFontMetrics(fonts.row).horizontalAdvance(kScoreSample),
                             QFontMetrics(fonts.large).horizontalAdvance(kCountdownSample)};
}

QString stageFontKeys(const StageFonts& fonts)
{
    return fonts.title.key() + QLatin1Char('|') + fonts.row.key() + QLatin1Char('|') +
           fonts.large.key() + QLatin1Char('|') + fonts.scale.key();
}

void paintStage(QPainter& painter, const QRegion& region, const StageScene& scene)
{
    painter.save();
    StagePainter(painter, region, scene).paint();
    painter.restore();
}
