#include "meter/ChildView.h"

#include "app/TheConfig.h"
#include "brio/BRStringQt.h"
#include "meter/DisplaySettings.h"
#include "meter/EditLeagueTable.h"
#include "meter/MeterCommands.h"
#include "meter/MeterPainter.h"
#include "meter/XMemDC.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QTimerEvent>

#include <algorithm>
#include <limits>

namespace {

XImage loadedImage(int resourceId)
{
    XImage image;
    image.load(resourceId);  // a missing picture draws nothing and measures 0 x 0
    return image;
}

layout::Size sizeOf(const XImage& image)
{
    const QSize size = image.getImageSize();
    return layout::Size{size.width(), size.height()};
}

// The character a key press gives the meter: Enter, Esc, Backspace and the printable
// characters 32 to 126; none for every other key, and none while Ctrl, Alt or Meta is held
// (those keys belong to shortcuts and menus).
std::optional<int> meterCharacter(const QKeyEvent& event)
{
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return std::nullopt;
    switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return MeterCore::kEnter;
    case Qt::Key_Escape:
        return MeterCore::kEscape;
    case Qt::Key_Backspace:
        return MeterCore::kBackspace;
    default:
        break;
    }
    const QString text = event.text();
    if (text.size() != 1)
        return std::nullopt;
    const int code = text.at(0).unicode();
    if (code < MeterCore::kFirstPrintable || code > MeterCore::kLastPrintable)
        return std::nullopt;
    return code;
}

// The font dialog opens on the display font, its size cut to whole points.
FontChoice fontDialogStart(const GFont& font)
{
    FontChoice start;
    start.face = font.font().family();
    const std::int64_t tenths = std::int64_t{dialogStartPoints(font.size())} * kTenthsPerPoint;
    start.sizeTenths = static_cast<int>(std::clamp<std::int64_t>(
        tenths, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
    start.weight = (font.style() & kFontStyleBold) ? QFont::Bold : QFont::Normal;
    start.italic = (font.style() & kFontStyleItalic) != 0;
    start.underline = (font.style() & kFontStyleUnderline) != 0;
    start.color = font.colorRef();
    return start;
}

}  // namespace

const ChildView::Command ChildView::kCommands[] = {
    {ID_EDIT_FONT, &ChildView::editFont},
    {ID_USE_LEAGUE_TABLE, &ChildView::toggleLeagueTable},
    {ID_CLEAR_LEAGUE_TABLE, &ChildView::clearLeagueTable},
    {ID_SHOW_SUMMARY_SCREEN, &ChildView::toggleSummaryScreen},
    {ID_BACKGROUND_COLOR, &ChildView::chooseBackgroundColor},
    {ID_EDIT_PRELOAD_LIST, &ChildView::editPreloadList},

    // Every further command of the view gets its line here; ids not in this table are
    // left to the frame.
};

ChildView::ChildView(QWidget* parent)
    : ChildView(loadDisplaySettings(theConfig), parent)
{
}

ChildView::ChildView(const DisplaySettings& settings, QWidget* parent)
    : QWidget(parent),
      m_dialogs(standardViewDialogs()),
      m_font(settings.fontName, fontPointSize(settings.fontSize), settings.fontStyle,
             settings.fontColor),
      m_backgroundColor(settings.backgroundColor),
      m_levelMarker(loadedImage(kLevelMarkerImage)),
      m_peakMarker(loadedImage(kPeakMarkerImage)),
      m_scale(loadedImage(kScaleImage)),
      m_markerSizes{sizeOf(m_levelMarker), sizeOf(m_peakMarker)},
      m_meter(settings.useLeagueTable, settings.showSummaryScreen)
{
    setFocusPolicy(Qt::StrongFocus);
    // Every paint covers the whole view, so the background is never erased first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAutoFillBackground(false);
    m_timerId = startTimer(kTickMilliseconds, Qt::PreciseTimer);
}

ChildView::~ChildView()
{
    if (m_timerId != 0)
        killTimer(m_timerId);
}

bool ChildView::OnCmdMsg(int id)
{
    const auto command = std::find_if(std::begin(kCommands), std::end(kCommands),
                                      [id](const Command& entry) { return entry.id == id; });
    if (command == std::end(kCommands))
        return false;
    (this->*(command->run))();
    return true;
}

std::optional<CommandUiState> ChildView::updateCommandUi(int id) const
{
    return meterMenuRule(id, m_meter);
}

void ChildView::drawView(QPainter& painter, const QRect& client) const
{
    const MeterScene scene{m_meter,      m_font,  m_backgroundColor, m_levelMarker,
                           m_peakMarker, m_scale, m_markerSizes,     m_texts};
    paintMeter(painter, client, scene);
}

QImage ChildView::renderToImage(const QSize& size) const
{
    XMemDC memDC(size);
    if (memDC.painter().isActive())
        drawView(memDC.painter(), memDC.area());
    return memDC.finish();
}

void ChildView::tickOnce()
{
    repaintIf(m_meter.tick(tickInput()));
}

bool ChildView::listening() const
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

TickInput ChildView::tickInput() const
{
    return TickInput{listening(), m_spaceDown};
}

void ChildView::repaintIf(bool needed)
{
    if (needed)
        update();
}

void ChildView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    drawView(painter, rect());
}

void ChildView::timerEvent(QTimerEvent* event)
{
    if (event->timerId() != m_timerId) {
        QWidget::timerEvent(event);
        return;
    }
    tickOnce();
}

void ChildView::keyPressEvent(QKeyEvent* event)
{
    // SPACE is also a key state that the clock reads; a held key's repeats keep it down.
    if (event->key() == Qt::Key_Space)
        m_spaceDown = true;
    const std::optional<int> code = meterCharacter(*event);
    if (!code) {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    repaintIf(m_meter.onChar(*code));
}

void ChildView::keyReleaseEvent(QKeyEvent* event)
{
    // The releases that auto-repeat interleaves do not let go of the key.
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat()) {
        m_spaceDown = false;
        event->accept();
        return;
    }
    QWidget::keyReleaseEvent(event);
}

void ChildView::focusOutEvent(QFocusEvent* event)
{
    // The release of a key held while the focus leaves never arrives here.
    m_spaceDown = false;
    QWidget::focusOutEvent(event);
}

void ChildView::editFont()
{
    if (!m_dialogs.chooseFont)
        return;
    const std::optional<FontChoice> chosen = m_dialogs.chooseFont(this, fontDialogStart(m_font));
    if (!chosen)
        return;
    // Strike-out and the exact weight are not kept: only the three style bits are.
    const int style = fontStyleBits(chosen->weight, chosen->italic, chosen->underline);
    const brio::BRString face = brio::fromQString(chosen->face);
    m_font = GFont(face, fontPointSize(chosen->sizeTenths), style, chosen->color);
    storeFont(theConfig, face, chosen->sizeTenths, style, chosen->color);
    update();
}

void ChildView::toggleLeagueTable()
{
    m_meter.toggleLeagueTable();
    update();
    storeUseLeagueTable(theConfig, m_meter.useLeagueTable());
}

void ChildView::clearLeagueTable()
{
    m_meter.clearLeagueTable();
    update();
}

void ChildView::toggleSummaryScreen()
{
    // Takes effect at the next Enter after a measurement; nothing on screen changes now.
    m_meter.toggleSummaryScreen();
    storeShowSummaryScreen(theConfig, m_meter.showSummaryScreen());
}

void ChildView::editPreloadList()
{
    if (m_meter.useLeagueTable()) {
        EditLeagueTable dialog(&m_meter.preloadList(), this);
        if (dialog.exec() == QDialog::Accepted)
            m_meter.restartWithPreloadList();
    }
    update();
}

void ChildView::chooseBackgroundColor()
{
    if (!m_dialogs.chooseColor)
        return;
    const std::optional<std::uint32_t> chosen = m_dialogs.chooseColor(this, m_backgroundColor);
    if (!chosen)
        return;
    m_backgroundColor = *chosen;
    storeBackgroundColor(theConfig, m_backgroundColor);
    update();
}
