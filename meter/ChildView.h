#pragma once

#include "meter/GFont.h"
#include "meter/MenuRules.h"
#include "meter/MeterCore.h"
#include "meter/MeterLayout.h"
#include "meter/MeterPainter.h"
#include "meter/ViewDialogs.h"
#include "meter/XImage.h"

#include <QImage>
#include <QSize>
#include <QWidget>

#include <cstdint>
#include <optional>

struct DisplaySettings;
class FrameHost;
class QPainter;

// The applause-meter view: the main window's only pane. It owns the meter (state, league
// table, preload list), the display font, the pictures and the display settings; it turns
// keys into the meter's characters, runs the meter's 20 ms clock, and paints the display.
class ChildView : public QWidget {
    Q_OBJECT
public:
    // Pictures of the level marker, the peak marker and the scale, by resource number.
    static constexpr int kLevelMarkerImage = 500;
    static constexpr int kPeakMarkerImage = 501;
    static constexpr int kScaleImage = 502;
    static constexpr int kTickMilliseconds = 20;

    // Reads the display settings from theConfig; may run before any window exists.
    explicit ChildView(QWidget* parent = nullptr);
    ~ChildView() override;

    const MeterCore& meter() const { return m_meter; }
    MeterCore& meter() { return m_meter; }
    const GFont& displayFont() const { return m_font; }
    std::uint32_t backgroundColor() const { return m_backgroundColor; }
    const layout::MarkerSizes& markerSizes() const { return m_markerSizes; }

    // Runs the view's command with this id; false when the view has none by that id.
    bool OnCmdMsg(int id);
    // How the menu item of a command shows; none for commands without a rule.
    std::optional<CommandUiState> updateCommandUi(int id) const;

    // The whole display drawn into client, as each paint draws it.
    void drawView(QPainter& painter, const QRect& client) const;
    // The display as it would look in a view of this size.
    QImage renderToImage(const QSize& size) const;

    // One tick of the meter's clock, exactly as the timer runs it.
    void tickOnce();
    // Whether the meter listens: the view or a window containing it has the keyboard focus,
    // in the active window.
    bool listening() const;
    bool spaceDown() const { return m_spaceDown; }

    void setDialogs(ViewDialogs dialogs) { m_dialogs = std::move(dialogs); }

    // The pointer is hidden over the view while the holding window is in full-screen mode.
    void updateCursor();

protected:
    void paintEvent(QPaintEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    explicit ChildView(const DisplaySettings& settings, QWidget* parent);

    // A command of the view: its id and its handler.
    struct Command {
        int id;
        void (ChildView::*run)();
    };
    static const Command kCommands[];

    void editFont();
    void toggleLeagueTable();
    void clearLeagueTable();
    void chooseBackgroundColor();
    void toggleSummaryScreen();
    void editPreloadList();

    FrameHost* frameHost() const;
    TickInput tickInput() const;
    void repaintIf(bool needed);

    ViewDialogs m_dialogs;
    GFont m_font;
    std::uint32_t m_backgroundColor;
    XImage m_levelMarker;
    XImage m_peakMarker;
    XImage m_scale;
    layout::MarkerSizes m_markerSizes;
    mutable MeterTextCache m_texts;  // filled by painting
    MeterCore m_meter;
    int m_timerId = 0;
    bool m_spaceDown = false;
};
