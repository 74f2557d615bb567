// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/AudienceWindow.h"

#include "brio/BRStringQt.h"
#include "core/ProductConfig.h"
#include "show/Show.h"
#include "display/LayoutRects.h"
#include "widgets/ProgramIcon.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>

namespace {
// An ordinary audience window on the operator's only screen starts at this size.
constexpr QSize kOrdinarySize(800, 500);
// How long a new leader stays marked.
constexpr int kNewLeaderMilliseconds = 2000;
// A glide's length, and the frames of a glide or the confetti.
constexpr int kGlideMilliseconds = 300;
constexpr int kMotionFrameMilliseconds = 16;

std::uint32_t rgbOf(const QColor& color)
{
    return color.rgb() & 0xFFFFFFu;
}

}  // namespace

AudienceWindow::AudienceWindow(const Show& show, const DisplayStyle& style)
    : m_show(show), m_style(style)
{
    setWindowTitle(tr("%1 Audience Screen").arg(QString::fromUtf8(kProductName)));
    setWindowIcon(programIcon());
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::ClickFocus);
    resize(kOrdinarySize);
    m_newLeader.setSingleShot(true);
    m_newLeader.setInterval(kNewLeaderMilliseconds);
    connect(&m_newLeader, &QTimer::timeout, this, &AudienceWindow::showChanges);
    m_motion.setInterval(kMotionFrameMilliseconds);
    m_motion.setTimerType(Qt::PreciseTimer);
    connect(&m_motion, &QTimer::timeout, this, &AudienceWindow::showChanges);
}

QString AudienceWindow::setStage(const StageSettings& settings, const QString& logoPath)
{
    m_settings = settings;
    QString problem;
    if (logoPath.isEmpty())
        m_logo.clear();
    else
        problem = m_logo.load(logoPath);
    showChanges();
    return problem;
}

void AudienceWindow::setWinnersShowing(bool showing)
{
    // The podium arrives with a burst of confetti.
    if (showing && !m_winners) {
        m_confettiClock.start();
        m_confettiOn = true;
    }
    m_confettiOn = m_confettiOn && showing;
    m_winners = showing;
    showChanges();
}

void AudienceWindow::repaintAnew()
{
    m_shown = ShownFrame();
    m_stageFrame = StageFrame();
    update();
}

void AudienceWindow::showOn(QScreen* screen, bool fullScreen)
{
    setCursor(fullScreen ? Qt::BlankCursor : Qt::ArrowCursor);
    if (!screen)
        return;
    // Full screen before the audience, nobody clicks it: it must never draw the keyboard away
    // from the operator, whose window the meter listens to. (Window flags apply from the next
    // show on.)
    if (testAttribute(Qt::WA_WState_Created) &&
        windowFlags().testFlag(Qt::WindowDoesNotAcceptFocus) != fullScreen)
        hide();
    setWindowFlag(Qt::WindowDoesNotAcceptFocus, fullScreen);
    if (fullScreen) {
        setScreen(screen);
        setGeometry(screen->geometry());
        showFullScreen();
        return;
    }
    if (isFullScreen())
        showNormal();
    setScreen(screen);
    const QRect area = screen->availableGeometry();
    move(area.center() - rect().center());
    show();
}

void AudienceWindow::showChanges()
{
    if (stageShown() != m_stageLastShown) {
        m_stageLastShown = stageShown();
        repaintAnew();
    }
    if (m_stageLastShown) {
        showStageChanges();
        return;
    }
    // The look follows the operator's font and colours; measuring it is cheap beside a frame.
    m_look = m_style.lookOn(font(), *this);
    const QRegion changed = m_shown.advance(m_show.session().meter(), m_show.session().composing(), rect(), m_look,
                                            false, &m_show.session().scoreReveal());
    if (!changed.isEmpty())
        update(changed);
}

void AudienceWindow::showStageChanges()
{
    const MeterCore& meter = m_show.session().meter();
    const layout::Rect view = toLayoutRect(rect());
    const int rows = stageRowsOf(meter, m_show.session().scoreReveal(), m_winners);
    m_stageFonts = stageFonts(m_style.font().font(), stage::typeSizes(view, rows), *this);
    const StageLook look{stageFontKeys(m_stageFonts),
                         stagePalette(m_settings.theme, rgbOf(m_style.font().color()),
                                      rgbOf(m_style.backgroundColor())),
                         stageTextWidths(m_stageFonts),
                         layout::Size{m_logo.size().width(), m_logo.size().height()},
                         stageBandText(brio::toQString(m_settings.eventTitle),
                                       m_show.session().roundName(),
                                       m_show.session().roundsUsed(),
                                       QString::fromUtf8(kProductName)),
                         rows};
    // Taking the lead, alone or shared, is marked for a moment; the mark ends on its own.
    const bool leads = currentLeads(meter);
    if (leads && !m_wasLeading)
        m_newLeader.start();
    m_wasLeading = leads;
    StageFrame now = stageFrameOf(meter, view, look, stageMoment());
    if (followGlide(now))
        now = stageFrameOf(meter, view, look, stageMoment());
    followMotion(now);
    QRegion changed;
    for (const layout::Rect& part : changedStageRects(m_stageFrame, now))
        changed += toQRect(part);
    m_stageFrame = std::move(now);
    if (!changed.isEmpty())
        update(changed);
}

StageMoment AudienceWindow::stageMoment()
{
    const MeterCore& meter = m_show.session().meter();
    StageMoment moment;
    moment.winners = m_winners;
    moment.newLeader = m_newLeader.isActive();
    moment.countdown = meter.countdownSeconds();
    moment.reveal = m_show.session().scoreReveal();
    moment.pending = m_show.session().jury().openOrders();
    if (const std::optional<Duel>& duel = m_show.session().duel()) {
        StageDuel shown;
        shown.left = {brio::fromQString(duel->sides[0].name), duel->sides[0].level,
                      duel->sides[0].score};
        shown.right = {brio::fromQString(duel->sides[1].name), duel->sides[1].level,
                       duel->sides[1].score};
        const std::optional<QString> winner = duelWinner(*duel);
        shown.over = winner.has_value();
        if (duel->verdict == audio::DuelVerdict::Draw)
            shown.verdict = tr("Draw");
        else if (winner)
            shown.verdict = tr("%1 wins").arg(*winner);
        moment.duel = shown;
    }
    if (m_glideFrom) {
        moment.glideFrom = m_glideFrom;
        moment.glideProgress = static_cast<int>(std::min<qint64>(
            stage::kGlideSteps, m_glideClock.elapsed() * stage::kGlideSteps / kGlideMilliseconds));
    }
    if (m_confettiOn) {
        const qint64 elapsed = m_confettiClock.elapsed();
        m_confettiOn = elapsed < stage::kConfettiMilliseconds;
        moment.confettiMilliseconds = m_confettiOn ? static_cast<int>(elapsed) : -1;
    }
    return moment;
}

bool AudienceWindow::followGlide(const StageFrame& now)
{
    const MeterCore& meter = m_show.session().meter();
    const LeagueTable& table = meter.leagueTable();
    const std::int64_t current =
        table.contains(meter.currentIndex()) ? table.entry(meter.currentIndex()).order : -1;
    const int before = currentSlot(m_stageFrame);
    const int after = currentSlot(now);
    const bool sameRow = current >= 0 && current == m_glideOrder;
    m_glideOrder = current;
    if (sameRow && !m_glideFrom && after >= 0 && before > after && !now.winners) {
        m_glideFrom = before;
        m_glideClock.start();
        return true;
    }
    if (m_glideFrom && (!sameRow || !now.glide)) {
        m_glideFrom.reset();
        return true;
    }
    return false;
}

void AudienceWindow::followMotion(const StageFrame& now)
{
    const bool moving = now.glide.has_value() || !now.confetti.empty() || m_confettiOn;
    if (moving && !m_motion.isActive())
        m_motion.start();
    else if (!moving)
        m_motion.stop();
}

void AudienceWindow::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    if (m_stageLastShown) {
        paintStage(painter, event->region(), StageScene{m_stageFrame, m_stageFonts, m_logo, m_stageTexts});
        return;
    }
    m_style.draw(painter, rect(), event->region(), m_show.session().meter(), m_show.session().composing(),
                 m_look, m_texts, false, &m_show.session().scoreReveal());
}

void AudienceWindow::resizeEvent(QResizeEvent* event)
{
    // Qt repaints a resized window whole; a window shown for the first time is resized too.
    QWidget::resizeEvent(event);
    showChanges();
}

void AudienceWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        if (m_winners)
            emit endWinnersRequested();
        else if (m_show.session().revealUnderWay())
            emit endRevealRequested();
        else
            emit closeRequested();
        return;
    }
    // Typing belongs to the operator's window: it takes the keyboard back, with this key.
    emit keyForOperator(*event);
}

void AudienceWindow::keyReleaseEvent(QKeyEvent* event)
{
    emit keyForOperator(*event);
}

void AudienceWindow::closeEvent(QCloseEvent* event)
{
    // The main window decides: it hides this window and keeps its menu item in step.
    event->ignore();
    emit closeRequested();
}
