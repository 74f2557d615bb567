// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/MeterView.h"

#include "brio/BRStringQt.h"
#include "core/NameText.h"
#include "core/settings/DisplaySettings.h"
#include "widgets/dialogs/PreloadDialog.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QInputMethod>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <limits>

namespace {

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

MeterView::MeterView(Show& show, brio::BRAppConfig& settings, QWidget* parent,
                     const DisplayPictures& pictures)
    : QWidget(parent),
      m_show(show),
      m_settings(settings),
      m_dialogs(standardViewDialogs()),
      m_style(loadDisplaySettings(settings), pictures),
      m_inNameEntry(meter().state() == MeterState::NameEntry)
{
    setFocusPolicy(Qt::StrongFocus);
    // Dead keys, compose sequences and input methods hand their text over as commits.
    setAttribute(Qt::WA_InputMethodEnabled);
    // Every paint covers the whole of its region, so the background is never erased first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAutoFillBackground(false);
    connect(&m_show.session(), &MeterSession::displayChanged, this, [this]() {
        showFrame();
        followNameEntry();
    });
    // The keyboard is this view's: the meter listens while it has the focus.
    m_show.session().setListening([this]() { return listening(); });
    refreshLook();
    // Focus moving anywhere may make the meter listen or stop listening.
    connect(qApp, &QApplication::focusChanged, &m_show.session(), &MeterSession::followClock);
}

MeterView::~MeterView()
{
    // QWidget's destructor gives the focus away, which must not reach this half-gone view.
    disconnect(qApp, &QApplication::focusChanged, &m_show.session(), &MeterSession::followClock);
    m_show.session().setListening({});
}

void MeterView::drawView(QPainter& painter, const QRect& client) const
{
    drawView(painter, client, QRegion(client));
}

void MeterView::drawView(QPainter& painter, const QRect& client, const QRegion& region) const
{
    const std::vector<std::int64_t> pending = session().jury().openOrders();
    drawView(painter, client, region, m_look, m_texts, true, nullptr, &pending);
}

void MeterView::drawView(QPainter& painter, const QRect& client, const QRegion& region,
                         const FrameLook& look, MeterTextCache& texts, bool showSelection,
                         const ScoreReveal* hidden,
                         const std::vector<std::int64_t>* pending) const
{
    m_style.draw(painter, client, region, meter(), preedit(), look, texts, showSelection, hidden,
                 pending);
}

QImage MeterView::renderToImage(const QSize& size) const
{
    return m_style.renderToImage(size, meter(), preedit(), m_look, m_texts);
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

FrameLook MeterView::lookOn(const QWidget& display) const
{
    return m_style.lookOn(display.font(), display);
}

void MeterView::refreshLook()
{
    m_look = lookOn(*this);
    showChanges();
}

void MeterView::showFrame()
{
    const std::vector<std::int64_t> pending = session().jury().openOrders();
    const QRegion changed = m_shown.advance(meter(), preedit(), rect(), m_look, true, nullptr, &pending);
    if (changed.isEmpty())
        return;
    update(changed);
    emit repaintRequested(changed);
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
        m_show.session().followClock();  // an inactive window's meter does not listen
}

void MeterView::keyPressEvent(QKeyEvent* event)
{
    // SPACE is also a key state that the clock reads; a held key's repeats keep it down.
    if (event->key() == Qt::Key_Space)
        m_show.session().setSpaceDown(SpaceSource::Keyboard, true);
    if (isShortcutKey(*event)) {
        QWidget::keyPressEvent(event);
        return;
    }
    if (const std::optional<int> key = meterKey(*event)) {
        event->accept();
        m_show.session().pressKey(*key);
        return;
    }
    if (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down) {
        event->accept();
        m_show.session().moveSelection(event->key() == Qt::Key_Up ? -1 : 1);
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
    m_show.session().typeText(text);
}

void MeterView::inputMethodEvent(QInputMethodEvent* event)
{
    const bool typed = m_show.session().typeText(brio::fromQString(event->commitString()));
    // The text being composed shows on the name line only.
    const QString preedit =
        meter().state() == MeterState::NameEntry ? event->preeditString() : QString();
    const bool composing = m_show.session().setComposing(preedit);
    event->accept();
    if (composing || typed)
        showChanges();
}

QVariant MeterView::inputMethodQuery(Qt::InputMethodQuery query) const
{
    switch (query) {
    case Qt::ImEnabled:
        // Only while a name is typed: in every other state SPACE is the applause and must
        // reach the meter as a key, not as an input method's space.
        return meter().state() == MeterState::NameEntry;
    case Qt::ImCursorRectangle: {
        // The end of the name line, where the input method's candidates belong.
        const QFontMetrics metrics(displayFont().font(), this);
        const int x = metrics.horizontalAdvance(nameLineText(meter(), preedit()));
        return QRect(x, 0, 1, metrics.height());
    }
    default:
        return QWidget::inputMethodQuery(query);
    }
}

void MeterView::followNameEntry()
{
    const bool nameEntry = meter().state() == MeterState::NameEntry;
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
        m_show.session().setSpaceDown(SpaceSource::Keyboard, false);
        event->accept();
        return;
    }
    QWidget::keyReleaseEvent(event);
}

void MeterView::focusOutEvent(QFocusEvent* event)
{
    // The release of a key held while the focus leaves never arrives here.
    m_show.session().setSpaceDown(SpaceSource::Keyboard, false);
    QWidget::focusOutEvent(event);
}

void MeterView::editFont()
{
    if (!m_dialogs.chooseFont)
        return;
    const std::optional<FontChoice> chosen =
        m_dialogs.chooseFont(this, fontDialogStart(displayFont()));
    if (!chosen)
        return;
    // Strike-out and the exact weight are not kept: only the three style bits are.
    const int style = fontStyleBits(chosen->weight, chosen->italic, chosen->underline);
    m_style.setFont(
        DisplayFont(chosen->face, fontPointSize(chosen->sizeTenths), style, chosen->color));
    storeFont(m_settings, brio::fromQString(chosen->face), chosen->sizeTenths, style,
              colorRefFromColor(chosen->color));
    refreshLook();
}

void MeterView::removeContestant()
{
    if (!m_dialogs.confirmRemove)
        return;
    m_show.session().removeContestant(
        [this](const QString& name) { return m_dialogs.confirmRemove(this, name); });
}

void MeterView::editPreloadList()
{
    if (meter().useLeagueTable()) {
        PreloadDialog dialog(meter().preloadList(), this);
        if (dialog.exec() == QDialog::Accepted)
            m_show.session().restartWithPreloadList(dialog.names());
    }
    followNameEntry();
    showChanges();
}

void MeterView::editTurnLength()
{
    if (!m_dialogs.chooseTurnSeconds)
        return;
    const std::optional<int> chosen = m_dialogs.chooseTurnSeconds(this, meter().turnSeconds());
    if (chosen)
        m_show.session().setTurnSeconds(*chosen);
}

void MeterView::chooseBackgroundColor()
{
    if (!m_dialogs.chooseColor)
        return;
    const std::optional<QColor> chosen = m_dialogs.chooseColor(this, backgroundColor());
    if (!chosen)
        return;
    m_style.setBackgroundColor(*chosen);
    storeBackgroundColor(m_settings, colorRefFromColor(*chosen));
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
