#include "desktop_window.h"

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

#include <algorithm>
#include <cmath>

namespace vorlin {

namespace {

// When the screen does not say how often it refreshes.
constexpr double kDefaultRefreshRate = 60.0;

int refreshIntervalMs(const QScreen* screen) {
    const double rate =
        screen && screen->refreshRate() > 1 ? screen->refreshRate() : kDefaultRefreshRate;
    // Rounded up: never more often than the display refreshes.
    return static_cast<int>(std::ceil(1000.0 / rate));
}

} // namespace

// The form in the scene, drawn only where one of its controls is shown and the window is being
// painted: elsewhere nothing of the form covers the field, so refreshing the field there costs no
// widget painting at all. The view joins all that changed since the last refresh into one
// paint, whose bounds may span the whole form (a sprite in the field, a caption in the status
// row); only the controls inside the painted parts themselves are drawn.
class ControlsOverField : public QGraphicsProxyWidget {
  public:
    // The parts of the form being painted, in form pixels.
    void setPaintedParts(const QRegion& parts) { paintedParts_ = parts; }

    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget*) override {
        if (!widget() || !widget()->isVisible()) return;
        QRegion shownControls;
        for (const QObject* child : widget()->children()) {
            const auto* control = qobject_cast<const QWidget*>(child);
            if (control && control->isVisible()) shownControls += control->geometry();
        }
        const QRegion parts =
            shownControls & paintedParts_ & option->exposedRect.toAlignedRect() & rect().toRect();
        if (parts.isEmpty()) return;
        widget()->render(painter, parts.boundingRect().topLeft(), parts);
    }

  private:
    QRegion paintedParts_;
};

DesktopWindow::DesktopWindow(QWidget& form, const Picture& frame,
                             std::function<FrameWrites()> refreshing)
    : form_(form), frame_(frame), refreshing_(std::move(refreshing)) {
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
    proxy_ = new ControlsOverField;
    proxy_->setWidget(&form);
    scene->addItem(proxy_);
    proxy_->setPos(0, 0);
    // Held in the scene, the form keeps a window of its own that is never mapped; without a
    // title, the desktop (and whoever looks for the game's window by its title) finds only this
    // one.
    form.setWindowTitle(QString());
    // The control that had the keyboard focus in the form keeps it: typed keys go on reaching it.
    proxy_->setFocus();
    if (QWidget* focused = form.focusWidget()) focused->setFocus();

    refresh_.setTimerType(Qt::PreciseTimer);
    refresh_.setSingleShot(true);
    refreshIntervalMs_ = refreshIntervalMs(screen());
    connect(&refresh_, &QTimer::timeout, this, [this] { showNewestFrame(); });
    resize(form.size());
    windowedSize_ = form.size();
    shown_.takeChanges(frame_);
}

DesktopWindow::~DesktopWindow() {
    // The form outlives its desktop window.
    proxy_->setWidget(nullptr);
    form_.setWindowTitle(windowTitle());
}

void DesktopWindow::frameChanged() {
    framePending_ = true;
    if (refresh_.isActive()) return;
    // A refresh interval after the last refresh, and at once when that has gone by: the display
    // is woken only for frames that changed.
    const qint64 sinceLast = lastRefresh_.isValid() ? lastRefresh_.elapsed() : refreshIntervalMs_;
    refresh_.start(static_cast<int>(std::max<qint64>(0, refreshIntervalMs_ - sinceLast)));
}

void DesktopWindow::showNewestFrame() {
    if (!framePending_) return;
    framePending_ = false;
    lastRefresh_.restart();
    const std::vector<PixelRect> changes = shown_.takeChanges(frame_, refreshing_());
    // The captions the refresh has just shown go to the form's own repaint first, which hands
    // them on to the scene: taken there now, they reach the scene with the field's parts.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateLater);
    QCoreApplication::sendPostedEvents(&form_, QEvent::UpdateRequest);
    if (changes.empty()) return;
    ++framesShown_;
    // Before the window has a size the field is scaled whole when it is first drawn.
    const bool fieldSized = !scaled_.picture().empty();
    // The parts that changed are given to the scene, not to the window: the captions the
    // refresh has just shown reach the scene too, a moment later, and the scene passes on all
    // that changed in one update, so that field and captions are painted together.
    for (const PixelRect& change : changes) {
        if (fieldSized) scaled_.update(shown_.picture(), change);
        scene()->update(mapToScene(windowAreaOf(change)).boundingRect());
    }
}

void DesktopWindow::setFullScreen(bool on, const QRect& area) {
    if (on == fullScreen_) return;
    fullScreen_ = on;
    if (on) {
        setWindowState(windowState() | Qt::WindowFullScreen);
        // Also where no window manager honours the full-screen state.
        setGeometry(area);
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
    // In form pixels: every form pixel that shows in the painted parts, and no more, so that a
    // sprite at the bottom of the field does not repaint the status row below it.
    QRegion parts;
    for (const QRect& painted : paintedRegion_)
        parts += mapToScene(painted).boundingRect().toAlignedRect();
    proxy_->setPaintedParts(parts);
    QGraphicsView::paintEvent(event);
}

void DesktopWindow::drawBackground(QPainter* painter, const QRectF& exposed) {
    // In window pixels from here on. The exposed rectangle bounds all that changed since the
    // last refresh; only the parts being painted are drawn, each on its own, so that a sprite
    // at the top and a caption at the bottom do not cost the whole field between them.
    const QRect area = mapFromScene(exposed).boundingRect().adjusted(-1, -1, 1, 1);
    const QRegion painted = paintedRegion_ & area;
    painter->save();
    painter->resetTransform();
    // Black around the picture; the picture itself covers the rest.
    for (const QRect& margin : painted - QRegion(pictureArea_))
        painter->fillRect(margin, Qt::black);
    rescaleField();
    const Picture& field = scaled_.picture();
    if (!field.empty()) {
        QImage image(reinterpret_cast<const uchar*>(field.pixels.data()), field.width, field.height,
                     field.width * 4, QImage::Format_RGB32);
        const qreal ratio = devicePixelRatioF();
        image.setDevicePixelRatio(ratio);
        const QRegion shownParts = painted & pictureArea_;
        for (const QRect& shownPart : shownParts) {
            const QRect from = shownPart.translated(-pictureArea_.topLeft());
            painter->drawImage(QRectF(shownPart), image,
                               QRectF(from.x() * ratio, from.y() * ratio, from.width() * ratio,
                                      from.height() * ratio));
        }
    }
    painter->restore();
}

} // namespace vorlin
