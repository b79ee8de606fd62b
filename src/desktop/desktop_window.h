#pragma once

#include "game/picture.h"
#include "game/scaled_frame.h"
#include "game/shown_frame.h"

#include <QElapsedTimer>
#include <QGraphicsView>
#include <QRegion>
#include <QTimer>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

class QGraphicsProxyWidget;

namespace vorlin {

class ControlsPicture;

// The game's window on the desktop. It shows the 640 x 480 form, field and controls together,
// scaled to the largest size that fits with its 4 : 3 shape kept, centred on black: a grown or
// maximised window, the scaled full screen and a high-density screen all go this one way. The
// field is drawn here from the game's frame, at most once per display refresh and only where it
// changed; the form's controls are drawn over it at the scaled size, and clicks and keys reach
// them as at 640 x 480.
class DesktopWindow : public QGraphicsView {
    Q_OBJECT
  public:
    // form: the game's window, 640 x 480, held here until the desktop window goes (then given
    // back, not destroyed). frame: the game's frame, which lives as long as the form.
    // refreshing: at each display refresh, brings the form's own changes up to date and says
    // which parts of the frame were written since the last one.
    DesktopWindow(QWidget& form, const Picture& frame, std::function<FrameWrites()> refreshing);
    ~DesktopWindow() override;

    // The form the window shows.
    QWidget* heldForm() const { return &form_; }
    // The game drew a new frame: it is shown at the next display refresh. nextFrameInMs, when
    // the game knows it, is when it draws the next one: a game that draws faster than the
    // display refreshes then has each refresh made in the wake-up of one of its frames.
    void frameChanged(std::optional<int> nextFrameInMs = std::nullopt);
    // A display refresh: shows what changed in the frame and in the form's controls since the
    // last one.
    void showNewestFrame();

    // Covers the area (the whole screen, or the 640 x 480 corner of a switched screen) in the
    // desktop's full-screen state; leaving it gives back the windowed size the player chose.
    void setFullScreen(bool on, const QRect& area);

    // Where the form's picture lies in the window, in window pixels.
    QRect pictureArea() const { return pictureArea_; }
    // Display refreshes that showed a changed frame.
    std::uint64_t framesShown() const { return framesShown_; }
    // Milliseconds between two refreshes of the display, rounded up.
    int refreshIntervalMs() const { return refreshIntervalMs_; }

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void drawBackground(QPainter* painter, const QRectF& exposed) override;
    void drawForeground(QPainter* painter, const QRectF& exposed) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Has the next refresh made a refresh interval after the last one: at once when that has
    // gone by, else at that moment, or with the game's next frame when that comes soon after.
    void scheduleRefresh(std::optional<int> nextFrameInMs = std::nullopt);
    void fitPicture();
    // Brings the scaled field up to date with the shown frame at the window's current scale.
    void rescaleField();
    // Draws the scaled field over a part of the picture area (window pixels).
    void drawField(QPainter& painter, const QRegion& part) const;
    // The part of the window (window pixels) the paint under way covers within a rectangle of
    // the scene a paint step was given.
    QRegion paintedWithin(const QRectF& exposed) const;
    // Shows the changed parts of the field straight on the screen, with the controls as last
    // painted laid over them; false when the window cannot be drawn now (hidden, or its size
    // not yet taken by the desktop) and the parts must go the way of every paint.
    bool showDirectly(const QRegion& changed);
    QRect windowAreaOf(const PixelRect& framePixels) const;

    QWidget& form_;
    const Picture& frame_;
    std::function<FrameWrites()> refreshing_;
    // Holds the form in the scene, for its input, focus and screen reader.
    QGraphicsProxyWidget* proxy_ = nullptr;
    std::unique_ptr<ControlsPicture> controls_;
    ShownFrame shown_;
    ScaledFrame scaled_;
    QTimer refresh_;
    int refreshIntervalMs_ = 0;
    QElapsedTimer lastRefresh_;
    bool framePending_ = false;
    // The form asked to be painted again since the last refresh.
    bool formChanged_ = false;
    // A refresh is bringing the form's own changes up to date.
    bool inRefresh_ = false;
    QRect pictureArea_;
    // The part of the window the paint under way covers.
    QRegion paintedRegion_;
    QSize windowedSize_;
    bool fullScreen_ = false;
    std::uint64_t framesShown_ = 0;
};

} // namespace vorlin
