// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/MeterView.h"

#include "brio/BRStringQt.h"
#include "core/DisplaySettings.h"
#include "core/NameText.h"
#include "core/TurnSettings.h"
#include "widgets/CorrectionCommands.h"
#include "widgets/PreloadDialog.h"
#include "widgets/MeterPainter.h"
#include "widgets/OffscreenImage.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QInputMethod>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLoggingCategory>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QTimerEvent>

#include <algorithm>
#include <limits>

namespace {

// Off unless asked for (QT_LOGGING_RULES="ovatron.ticks.info=true"): the soak reads it.
Q_LOGGING_CATEGORY(lcTicks, "ovatron.ticks", QtWarningMsg)

ScaledPicture loadedImage(int resourceId)
{
    ScaledPicture image;
    image.load(resourceId);  // a missing picture draws nothing and measures 0 x 0
    return image;
}

layout::Size sizeOf(const ScaledPicture& image)
{
    const QSize size = image.size();
    return layout::Size{size.width(), size.height()};
}

// Keys held with Ctrl, Alt or Meta belong to shortcuts and menus, never to the name. AltGr
// is none of them: X11 reports it as the group switch, and its text is typed like any other.
bool isShortcutKey(const QKeyEvent& event)
{
    return (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) != 0;
}

// The meter's own keys: Enter, Esc and Backspace; none for every other key.
std::optional<int> meterKey(const QKeyEvent& event)
{
    switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return MeterCore::kEnter;
    case Qt::Key_Escape:
        return MeterCore::kEscape;
    case Qt::Key_Backspace:
        return MeterCore::kBackspace;
    default:
        return std::nullopt;
    }
}

// The font dialog opens on the display font, its size cut to whole points.
FontChoice fontDialogStart(const DisplayFont& font)
{
    FontChoice start;
    start.face = font.font().family();
    const std::int64_t tenths = std::int64_t{dialogStartPoints(font.size())} * kTenthsPerPoint;
    start.sizeTenths = static_cast<int>(std::clamp<std::int64_t>(
        tenths, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
    start.weight = (font.style() & kFontStyleBold) ? QFont::Bold : QFont::Normal;
    start.italic = (font.style() & kFontStyleItalic) != 0;
    start.underline = (font.style() & kFontStyleUnderline) != 0;
    start.color = font.color();
    return start;
}

}  // namespace

MeterView::MeterView(brio::BRAppConfig& settings, QWidget* parent)
    : MeterView(settings, loadDisplaySettings(settings), parent)
{
}

MeterView::MeterView(brio::BRAppConfig& settings, const DisplaySettings& stored, QWidget* parent)
    : QWidget(parent),
      m_settings(settings),
      m_dialogs(standardViewDialogs()),
      m_font(brio::toQString(stored.fontName), fontPointSize(stored.fontSize), stored.fontStyle,
             colorFromColorRef(stored.fontColor)),
      m_backgroundColor(colorFromColorRef(stored.backgroundColor)),
      m_levelMarker(loadedImage(kLevelMarkerImage)),
      m_peakMarker(loadedImage(kPeakMarkerImage)),
      m_scale(loadedImage(kScaleImage)),
      m_markerSizes{sizeOf(m_levelMarker), sizeOf(m_peakMarker)},
      m_meter(stored.useLeagueTable, stored.showSummaryScreen),
      m_inNameEntry(m_meter.state() == MeterState::NameEntry)
{
    setFocusPolicy(Qt::StrongFocus);
    // Dead keys, compose sequences and input methods hand their text over as commits.
    setAttribute(Qt::WA_InputMethodEnabled);
    // Every paint covers the whole of its region, so the background is never erased first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAutoFillBackground(false);
    m_meter.setTurnSeconds(loadTurnSeconds(settings));
    refreshLook();
    m_clock.start();
    // Focus moving anywhere may make the meter listen or stop listening.
    connect(qApp, &QApplication::focusChanged, this, &MeterView::followClock);
    followClock();
}

MeterView::~MeterView()
{
    // QWidget's destructor gives the focus away, which must not reach this half-gone view.
    disconnect(qApp, &QApplication::focusChanged, this, &MeterView::followClock);
    if (m_timerId != 0)
        killTimer(m_timerId);
}

void MeterView::drawView(QPainter& painter, const QRect& client) const
{
    drawView(painter, client, QRegion(client));
}

void MeterView::drawView(QPainter& painter, const QRect& client, const QRegion& region) const
{
    drawView(painter, client, region, m_look, m_texts, true);
}

void MeterView::drawView(QPainter& painter, const QRect& client, const QRegion& region,
                         const FrameLook& look, MeterTextCache& texts, bool showSelection) const
{
    const MeterScene scene{m_meter,      m_font,  m_backgroundColor, m_levelMarker,
                           m_peakMarker, m_scale, m_markerSizes,     look.text,
                           texts,        m_preedit, showSelection};
    paintMeter(painter, client, region, scene);
}

QImage MeterView::renderToImage(const QSize& size) const
{
    OffscreenImage offscreen(size);
    if (offscreen.painter().isActive())
        drawView(offscreen.painter(), offscreen.area());
    return offscreen.finish();
}

void MeterView::tickOnce()
{
    // A repaint follows the clock on its way; a tick that changed nothing must still do so.
    // A tick may end an equal turn, and with it name entry may begin.
    if (m_meter.tick(tickInput(), m_measured ? m_measured() : std::nullopt)) {
        showChanges();
        followNameEntry();
    } else {
        followClock();
    }
}

void MeterView::followClock()
{
    const bool microphone = m_meter.state() == MeterState::Measuring && m_microphoneInUse &&
                            m_microphoneInUse();
    const bool needed = microphone || m_meter.tickCanChange(tickInput());
    if (needed && m_timerId == 0) {
        m_timerId = startTimer(kTickMilliseconds, Qt::PreciseTimer);
        m_tickGaps.restart();  // the time it slept is no gap
    } else if (!needed && m_timerId != 0) {
        killTimer(m_timerId);
        m_timerId = 0;
    }
}

bool MeterView::listening() const
{
    const QWidget* focus = QApplication::focusWidget();
    if (focus == nullptr || !isActiveWindow())
        return false;
    for (const QWidget* widget = this; widget != nullptr; widget = widget->parentWidget()) {
        if (widget == focus)
            return true;
    }
    return false;
}

TickInput MeterView::tickInput() const
{
    return TickInput{listening() || m_remoteSpaceDown, m_spaceDown || m_remoteSpaceDown};
}

void MeterView::pressMeterKey(int code)
{
    // Enter begins a turn without asking for a repaint, leaving it to the clock's first
    // tick; a turn resting at 0 does not start the clock, so the frame is compared now.
    m_meter.onChar(code);
    recordFinishedCorrection();
    showChanges();
    followNameEntry();
}

void MeterView::typeText(const QString& text)
{
    repaintIf(m_meter.onText(brio::fromQString(text)));
}

void MeterView::setRemoteSpaceDown(bool down)
{
    m_remoteSpaceDown = down;
    followClock();
}

void MeterView::repaintIf(bool needed)
{
    if (needed)
        showChanges();
}

FrameLook MeterView::lookOn(const QWidget& display) const
{
    // As a painter on a widget sets a font: resolved against the widget's own, for its screen.
    const QFont painted(m_font.font().resolve(QFont(display.font(), &display)), &display);
    return FrameLook{painted.key(), m_font.color().rgba(), m_backgroundColor.rgba(),
                     m_markerSizes, displayTextMetrics(painted)};
}

void MeterView::refreshLook()
{
    m_look = lookOn(*this);
    showChanges();
}

void MeterView::showChanges()
{
    followClock();
    const QRegion changed = m_shown.advance(m_meter, m_preedit, rect(), m_look, true);
    if (changed.isEmpty())
        return;
    update(changed);
    emit repaintRequested(changed);
    emit displayChanged();
}

void MeterView::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    drawView(painter, rect(), event->region());
}

void MeterView::resizeEvent(QResizeEvent* event)
{
    // Qt repaints a resized view whole. A view shown for the first time is resized too, so
    // its text is measured again on its screen.
    QWidget::resizeEvent(event);
    refreshLook();
}

void MeterView::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        refreshLook();
    else if (event->type() == QEvent::ActivationChange)
        followClock();  // an inactive window's meter does not listen
}

void MeterView::timerEvent(QTimerEvent* event)
{
    if (event->timerId() != m_timerId) {
        QWidget::timerEvent(event);
        return;
    }
    if (m_tickGaps.tick(std::chrono::milliseconds(m_clock.elapsed())))
        qCInfo(lcTicks) << "largest tick gap so far:" << m_tickGaps.largest().count() << "ms";
    tickOnce();
}

void MeterView::keyPressEvent(QKeyEvent* event)
{
    // SPACE is also a key state that the clock reads; a held key's repeats keep it down.
    if (event->key() == Qt::Key_Space) {
        m_spaceDown = true;
        followClock();
    }
    if (isShortcutKey(*event)) {
        QWidget::keyPressEvent(event);
        return;
    }
    if (const std::optional<int> key = meterKey(*event)) {
        event->accept();
        pressMeterKey(*key);
        return;
    }
    if (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down) {
        event->accept();
        repaintIf(m_meter.moveSelection(event->key() == Qt::Key_Up ? -1 : 1));
        return;
    }
    // A held SPACE types one space: an operator waiting for the applause types no run of
    // blanks into the name.
    if (event->key() == Qt::Key_Space && event->isAutoRepeat()) {
        event->accept();
        return;
    }
    const brio::BRString text = nameCharacters(brio::fromQString(event->text()));
    if (text.empty()) {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    repaintIf(m_meter.onText(text));
}

void MeterView::inputMethodEvent(QInputMethodEvent* event)
{
    const bool typed = m_meter.onText(brio::fromQString(event->commitString()));
    // The text being composed shows on the name line only.
    const QString preedit =
        m_meter.state() == MeterState::NameEntry ? event->preeditString() : QString();
    const bool composing = preedit != m_preedit;
    m_preedit = preedit;
    event->accept();
    repaintIf(typed || composing);
}

QVariant MeterView::inputMethodQuery(Qt::InputMethodQuery query) const
{
    switch (query) {
    case Qt::ImEnabled:
        // Only while a name is typed: in every other state SPACE is the applause and must
        // reach the meter as a key, not as an input method's space.
        return m_meter.state() == MeterState::NameEntry;
    case Qt::ImCursorRectangle: {
        // The end of the name line, where the input method's candidates belong.
        const QFontMetrics metrics(m_font.font(), this);
        const int x = metrics.horizontalAdvance(nameLineText(m_meter, m_preedit));
        return QRect(x, 0, 1, metrics.height());
    }
    default:
        return QWidget::inputMethodQuery(query);
    }
}

void MeterView::followNameEntry()
{
    const bool nameEntry = m_meter.state() == MeterState::NameEntry;
    if (nameEntry == m_inNameEntry)
        return;
    m_inNameEntry = nameEntry;
    if (hasFocus())
        QGuiApplication::inputMethod()->update(Qt::ImEnabled);
}

void MeterView::keyReleaseEvent(QKeyEvent* event)
{
    // The releases that auto-repeat interleaves do not let go of the key.
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat()) {
        m_spaceDown = false;
        followClock();
        event->accept();
        return;
    }
    QWidget::keyReleaseEvent(event);
}

void MeterView::focusOutEvent(QFocusEvent* event)
{
    // The release of a key held while the focus leaves never arrives here.
    m_spaceDown = false;
    followClock();
    QWidget::focusOutEvent(event);
}

void MeterView::editFont()
{
    if (!m_dialogs.chooseFont)
        return;
    const std::optional<FontChoice> chosen = m_dialogs.chooseFont(this, fontDialogStart(m_font));
    if (!chosen)
        return;
    // Strike-out and the exact weight are not kept: only the three style bits are.
    const int style = fontStyleBits(chosen->weight, chosen->italic, chosen->underline);
    m_font = DisplayFont(chosen->face, fontPointSize(chosen->sizeTenths), style, chosen->color);
    storeFont(m_settings, brio::fromQString(chosen->face), chosen->sizeTenths, style,
              colorRefFromColor(chosen->color));
    refreshLook();
}

void MeterView::toggleLeagueTable()
{
    // The table starts afresh: nothing before it can be taken back.
    m_corrections.clear();
    m_meter.toggleLeagueTable();
    followNameEntry();
    showChanges();
    storeUseLeagueTable(m_settings, m_meter.useLeagueTable());
}

void MeterView::clearLeagueTable()
{
    correction::Removed cleared{m_meter.clearLeagueTable()};
    if (!cleared.entries.empty())
        m_corrections.push(new ClearTableCommand(*this, cleared));
    showChanges();
}

void MeterView::renameContestant()
{
    m_meter.beginRename();
    showChanges();
    followNameEntry();
}

void MeterView::removeContestant()
{
    const int row = m_meter.correctionRow();
    if (!m_meter.correctionsAllowed() || row < 0 || !m_dialogs.confirmRemove)
        return;
    const Score entry = m_meter.leagueTable().entry(row);
    if (!m_dialogs.confirmRemove(this, brio::toQString(entry.name)))
        return;
    correction::Removed removed{m_meter.removeEntries({entry.order})};
    m_corrections.push(new RemoveCommand(*this, removed));
    showChanges();
}

void MeterView::measureAgain()
{
    m_meter.measureAgain();
    showChanges();
    followNameEntry();
}

void MeterView::undo()
{
    if (m_meter.correctionsAllowed())
        m_corrections.undo();
}

void MeterView::redo()
{
    if (m_meter.correctionsAllowed())
        m_corrections.redo();
}

void MeterView::recordFinishedCorrection()
{
    const std::optional<Correction> finished = m_meter.takeCorrection();
    if (!finished)
        return;
    if (const auto* renamed = std::get_if<correction::Renamed>(&*finished)) {
        m_corrections.push(new RenameCommand(*this, *renamed));
    } else if (const auto* measured = std::get_if<correction::Remeasured>(&*finished)) {
        const int row = m_meter.leagueTable().rowOf(measured->order);
        const QString name = row >= 0 ? brio::toQString(m_meter.leagueTable().entry(row).name)
                                      : QString();
        m_corrections.push(new MeasureAgainCommand(*this, *measured, name));
    }
}

void MeterView::toggleSummaryScreen()
{
    // Takes effect at the next Enter after a measurement; nothing on screen changes now.
    m_meter.toggleSummaryScreen();
    storeShowSummaryScreen(m_settings, m_meter.showSummaryScreen());
}

void MeterView::editPreloadList()
{
    if (m_meter.useLeagueTable()) {
        PreloadDialog dialog(&m_meter.preloadList(), this);
        if (dialog.exec() == QDialog::Accepted) {
            m_corrections.clear();  // a new running order starts the table afresh
            m_meter.restartWithPreloadList();
            emit displayChanged();  // the waiting names, which other displays show
        }
    }
    followNameEntry();
    showChanges();
}

void MeterView::editTurnLength()
{
    if (!m_dialogs.chooseTurnSeconds)
        return;
    const std::optional<int> chosen = m_dialogs.chooseTurnSeconds(this, m_meter.turnSeconds());
    if (!chosen)
        return;
    m_meter.setTurnSeconds(*chosen);
    storeTurnSeconds(m_settings, m_meter.turnSeconds());
}

void MeterView::reloadTurnLength()
{
    m_meter.setTurnSeconds(loadTurnSeconds(m_settings));
}

void MeterView::chooseBackgroundColor()
{
    if (!m_dialogs.chooseColor)
        return;
    const std::optional<QColor> chosen = m_dialogs.chooseColor(this, m_backgroundColor);
    if (!chosen)
        return;
    m_backgroundColor = *chosen;
    storeBackgroundColor(m_settings, colorRefFromColor(m_backgroundColor));
    refreshLook();
}

void MeterView::setPointerHidden(bool hidden)
{
    setCursor(hidden ? Qt::BlankCursor : Qt::ArrowCursor);
}

void MeterView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::RightButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    emit contextMenuRequested(event->globalPosition().toPoint());
}

void MeterView::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mouseDoubleClickEvent(event);
        return;
    }
    emit fullScreenToggleRequested();
}
