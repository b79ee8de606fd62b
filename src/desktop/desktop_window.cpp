#include "desktop_window.h"

#include "controls_picture.h"
#include "copy_bands.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QBackingStore>
#include <QCoreApplication>
#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QGuiApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QRegion>
#include <QResizeEvent>
#include <QScreen>
#include <QStyleOptionGraphicsItem>
#include <QWindow>

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

namespace vorlin {

namespace {

// When the screen does not say how often it refreshes.
constexpr double kDefaultRefreshRate = 60.0;
// How much later than it falls due a refresh may wait for the game's next frame: a quarter of a
// 60 Hz refresh, so that a game at 10 ms a tick is shown at 50 frames a second, each refresh in
// the wake-up of a tick.
constexpr int kRefreshAwaitsAFrameMs = 4;
// A refresh that falls due this soon is made at once: the game's frames that come once a
// refresh interval, measured to the millisecond, may seem to come a little early.
constexpr int kRefreshComesEarlyMs = 1;
int refreshIntervalOf(const QScreen* screen) {
    const double rate =
        screen && screen->refreshRate() > 1 ? screen->refreshRate() : kDefaultRefreshRate;
    // Rounded up: never more often than the display refreshes.
    return static_cast<int>(std::ceil(1000.0 / rate));
}

// What a screen reader finds in the desktop window: the game's frame, with its title, holding
// the form and its controls. Held in the graphics scene, the form is no child widget of the
// window, and a graphics view alone would show the reader an empty frame.
class DesktopWindowAccessible : public QAccessibleWidget {
  public:
    DesktopWindowAccessible(QWidget* window, QWidget* form)
        : QAccessibleWidget(window, QAccessible::Window), form_(form) {}

    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override {
        return index == 0 ? QAccessible::queryAccessibleInterface(form_) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child && child->object() == form_ ? 0 : -1;
    }

  private:
    QWidget* form_;
};

// The form as a screen reader sees it inside the desktop window: a panel of the game's frame,
// not a window of its own.
class HeldFormAccessible : public QAccessibleWidget {
  public:
    HeldFormAccessible(QWidget* form, QWidget* window)
        : QAccessibleWidget(form, QAccessible::Client), window_(window) {}

    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(window_);
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.invisible = !window_->isVisible();
        return state;
    }

  private:
    QWidget* window_;
};

// The desktop window whose scene holds the widget, if any.
DesktopWindow* holdingWindow(QWidget* widget) {
    const QGraphicsProxyWidget* proxy = widget->graphicsProxyWidget();
    if (!proxy || !proxy->scene()) return nullptr;
    for (QGraphicsView* view : proxy->scene()->views())
        if (auto* window = qobject_cast<DesktopWindow*>(view)) return window;
    return nullptr;
}

QAccessibleInterface* accessibleForDesktopWindow(const QString&, QObject* object) {
    if (!object || !object->isWidgetType()) return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (auto* window = qobject_cast<DesktopWindow*>(widget))
        return new DesktopWindowAccessible(window, window->heldForm());
    if (DesktopWindow* window = holdingWindow(widget))
        return new HeldFormAccessible(widget, window);
    return nullptr;
}

// A screen reader that already looked at the form keeps what it saw until told otherwise: a
// window of its own before the desktop window holds it, a panel of the desktop window after.
void forgetReaderView(QWidget& form) {
    QAccessible::deleteAccessibleInterface(
        QAccessible::uniqueId(QAccessible::queryAccessibleInterface(&form)));
}

} // namespace

DesktopWindow::DesktopWindow(QWidget& form, const Picture& frame,
                             std::function<FrameWrites()> refreshing)
    : form_(form), frame_(frame), refreshing_(std::move(refreshing)),
      controls_(std::make_unique<ControlsPicture>()) {
    setWindowTitle(form.windowTitle());
    setWindowIcon(form.windowIcon());
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setBackgroundBrush(Qt::black);
    setOptimizationFlags(QGraphicsView::DontSavePainterState |
                         QGraphicsView::DontAdjustForAntialiasing);
    setViewportUpdateMode(QGraphicsView::MinimalViewportUpdate);
    setMinimumSize(form.size());

    // The field is drawn beneath the form's controls by drawBackground(); the form itself lays
    // nothing over it.
    QPalette clear = form.palette();
    clear.setBrush(QPalette::Window, Qt::NoBrush);
    form.setPalette(clear);
    auto* scene = new QGraphicsScene(this);
    setScene(scene);
    [[maybe_unused]] static const bool readerViewInstalled = [] {
        QAccessible::installFactory(accessibleForDesktopWindow);
        return true;
    }();
    // In the scene before it holds the form, so that a screen reader finds the form held here.
    // The scene only carries the form's input and focus: the window paints the controls itself,
    // from their picture, so the scene paints nothing of the form.
    proxy_ = new QGraphicsProxyWidget;
    proxy_->setFlag(QGraphicsItem::ItemHasNoContents);
    scene->addItem(proxy_);
    proxy_->setWidget(&form);
    proxy_->setPos(0, 0);
    forgetReaderView(form);
    // Held in the scene, the form keeps a window of its own that is never mapped; without a
    // title, the desktop (and whoever looks for the game's window by its title) finds only this
    // one.
    form.setWindowTitle(QString());
    // The control that had the keyboard focus in the form keeps it: typed keys go on reaching it.
    proxy_->setFocus();
    if (QWidget* focused = form.focusWidget()) focused->setFocus();
    form.installEventFilter(this);

    refresh_.setTimerType(Qt::PreciseTimer);
    refresh_.setSingleShot(true);
    refreshIntervalMs_ = refreshIntervalOf(screen());
    connect(&refresh_, &QTimer::timeout, this, [this] { showNewestFrame(); });
    resize(form.size());
    windowedSize_ = form.size();
    shown_.takeChanges(frame_);
}

DesktopWindow::~DesktopWindow() {
    // The form outlives its desktop window.
    form_.removeEventFilter(this);
    proxy_->setWidget(nullptr);
    forgetReaderView(form_);
    form_.setWindowTitle(windowTitle());
}

void DesktopWindow::frameChanged(std::optional<int> nextFrameInMs) {
    framePending_ = true;
    scheduleRefresh(nextFrameInMs);
}

void DesktopWindow::scheduleRefresh(std::optional<int> nextFrameInMs) {
    const qint64 sinceLast = lastRefresh_.isValid() ? lastRefresh_.elapsed() : refreshIntervalMs_;
    const qint64 dueIn = std::max<qint64>(0, refreshIntervalMs_ - sinceLast);
    if (dueIn <= kRefreshComesEarlyMs) {
        // In the same turn of the event loop, once the handler that made the change is over:
        // the display is woken only for frames that changed, and not once more for them.
        if (!refresh_.isActive() || refresh_.remainingTime() > 0) refresh_.start(0);
        return;
    }
    if (refresh_.isActive()) return;
    // A frame that comes just after the refresh falls due brings the refresh with it, rather
    // than the program woken once more between two frames; should it not come (the game
    // stopped), the refresh is made a little after it was awaited.
    const bool nextFrameBringsIt =
        nextFrameInMs && *nextFrameInMs - dueIn <= kRefreshAwaitsAFrameMs;
    refresh_.start(static_cast<int>(
        nextFrameBringsIt ? dueIn + *nextFrameInMs + kRefreshAwaitsAFrameMs : dueIn));
}

void DesktopWindow::showNewestFrame() {
    // Made now, the refresh awaited is made.
    refresh_.stop();
    if (!framePending_ && !formChanged_) return;
    const bool framed = framePending_;
    framePending_ = false;
    lastRefresh_.restart();
    const std::vector<PixelRect> changes =
        framed ? shown_.takeChanges(frame_, refreshing_()) : std::vector<PixelRect>();
    // The captions the refresh has just set ask the form to be painted again: asked now, they
    // are shown with the field's parts.
    inRefresh_ = true;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateLater);
    QCoreApplication::sendPostedEvents(&form_, QEvent::UpdateRequest);
    inRefresh_ = false;
    const bool controlsChanged = formChanged_;
    formChanged_ = false;
    if (!changes.empty()) ++framesShown_;
    // Before the window has a size the field is scaled whole when it is first drawn.
    const bool fieldSized = !scaled_.picture().empty();
    QRegion changed;
    for (const PixelRect& change : changes) {
        if (fieldSized) scaled_.update(shown_.picture(), change);
        changed += windowAreaOf(change);
    }
    if (controlsChanged && fieldSized)
        changed += ControlsPicture::toWindow(controls_->repaintChanged(form_),
                                             pictureArea_.topLeft(), devicePixelRatioF());
    if (changed.isEmpty()) return;
    if (fieldSized && showDirectly(changed)) return;
    viewport()->update(changed);
}

bool DesktopWindow::showDirectly(const QRegion& changed) {
    QBackingStore* store = backingStore();
    const QWindow* shownOn = windowHandle();
    if (!store || !shownOn || !shownOn->isExposed() || store->size() != size()) return false;
    const QPoint atViewport = viewport()->mapTo(this, QPoint());
    const QRegion part = changed & pictureArea_;
    const QRegion inWindow = part.translated(atViewport);
    store->beginPaint(inWindow);
    {
        QPainter painter(store->paintDevice());
        painter.translate(atViewport);
        drawField(painter, part);
        controls_->drawOver(painter, part, pictureArea_.topLeft(), devicePixelRatioF());
    }
    store->endPaint();
    store->flush(inWindow, windowHandle());
    return true;
}

bool DesktopWindow::eventFilter(QObject* watched, QEvent* event) {
    // The form asks to be painted again: its changes are shown at the next display refresh,
    // with the field's.
    if (watched == &form_ && event->type() == QEvent::UpdateRequest) {
        formChanged_ = true;
        if (!inRefresh_) scheduleRefresh();
    }
    return QGraphicsView::eventFilter(watched, event);
}

void DesktopWindow::setFullScreen(bool on, const QRect& area) {
    if (on == fullScreen_) return;
    fullScreen_ = on;
    if (on) {
        // Placed first, for a desktop where no window manager honours the full-screen state: a
        // geometry set after the state would take the window out of it again.
        setGeometry(area);
        setWindowState(windowState() | Qt::WindowFullScreen);
    } else {
        setWindowState(windowState() & ~Qt::WindowFullScreen);
        resize(windowedSize_);
    }
}

void DesktopWindow::resizeEvent(QResizeEvent* event) {
    QGraphicsView::resizeEvent(event);
    if (!fullScreen_ && !isMaximized()) windowedSize_ = event->size();
    fitPicture();
}

void DesktopWindow::fitPicture() {
    const QSize area = viewport()->size();
    const PixelRect fitted = fittedArea(area.width(), area.height(), form_.width(), form_.height());
    pictureArea_ = QRect(fitted.x, fitted.y, fitted.width, fitted.height);
    if (pictureArea_.isEmpty()) return;
    const double sx = pictureArea_.width() / double(form_.width());
    const double sy = pictureArea_.height() / double(form_.height());
    setTransform(QTransform::fromScale(sx, sy));
    // The scene spans the whole window so that the form's corner lands exactly on the picture
    // area's corner.
    setSceneRect(-pictureArea_.x() / sx, -pictureArea_.y() / sy, area.width() / sx,
                 area.height() / sy);
    rescaleField();
    viewport()->update();
}

void DesktopWindow::rescaleField() {
    const qreal ratio = devicePixelRatioF();
    const int width = static_cast<int>(std::lround(pictureArea_.width() * ratio));
    const int height = static_cast<int>(std::lround(pictureArea_.height() * ratio));
    if (scaled_.sized(width, height)) return;
    scaled_.resize(width, height);
    controls_->resize(QSize(width, height));
    const Picture& shown = shown_.picture();
    scaled_.update(shown, {0, 0, shown.width, shown.height});
}

QRect DesktopWindow::windowAreaOf(const PixelRect& framePixels) const {
    const qreal ratio = devicePixelRatioF();
    const PixelRect screen = scaled_.screenArea(frame_.width, frame_.height, framePixels);
    const QRectF logical(screen.x / ratio, screen.y / ratio, screen.width / ratio,
                         screen.height / ratio);
    return logical.translated(pictureArea_.topLeft()).toAlignedRect();
}

void DesktopWindow::paintEvent(QPaintEvent* event) {
    paintedRegion_ = event->region();
    QGraphicsView::paintEvent(event);
}

void DesktopWindow::drawBackground(QPainter* painter, const QRectF& exposed) {
    // In window pixels from here on. The exposed rectangle bounds all that changed since the
    // last refresh; only the parts being painted are drawn, each on its own, so that a sprite
    // at the top and a caption at the bottom do not cost the whole field between them.
    const QRegion painted = paintedWithin(exposed);
    painter->save();
    painter->resetTransform();
    // Black around the picture; the picture itself covers the rest.
    for (const QRect& margin : painted - QRegion(pictureArea_))
        painter->fillRect(margin, Qt::black);
    rescaleField();
    drawField(*painter, painted & pictureArea_);
    painter->restore();
}

void DesktopWindow::drawForeground(QPainter* painter, const QRectF& exposed) {
    // A paint of the window outside a refresh is a change of the window's size or a part the
    // desktop uncovered: the controls there are painted again where they may have changed.
    // The field was brought to the window's scale beneath.
    const QRegion parts = paintedWithin(exposed) & pictureArea_;
    if (parts.isEmpty()) return;
    const qreal ratio = devicePixelRatioF();
    controls_->repaint(form_, ControlsPicture::toDevice(parts, pictureArea_.topLeft(), ratio));
    if (!form_.isVisible()) return;
    painter->save();
    painter->resetTransform();
    controls_->drawOver(*painter, parts, pictureArea_.topLeft(), ratio);
    painter->restore();
}

QRegion DesktopWindow::paintedWithin(const QRectF& exposed) const {
    return paintedRegion_ & mapFromScene(exposed).boundingRect().adjusted(-1, -1, 1, 1);
}

void DesktopWindow::drawField(QPainter& painter, const QRegion& part) const {
    const Picture& field = scaled_.picture();
    if (field.empty()) return;
    QImage image(reinterpret_cast<const uchar*>(field.pixels.data()), field.width, field.height,
                 field.width * 4, QImage::Format_RGB32);
    const qreal ratio = devicePixelRatioF();
    image.setDevicePixelRatio(ratio);
    for (const QRect& shownPart : part)
        inBands(
            shownPart,
            [&](const QRect& band) {
                const QRect from = band.translated(-pictureArea_.topLeft());
                painter.drawImage(QRectF(band), image,
                                  QRectF(from.x() * ratio, from.y() * ratio, from.width() * ratio,
                                         from.height() * ratio));
            },
            ratio * ratio);
}

} // namespace vorlin
