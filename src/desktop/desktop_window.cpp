#include "desktop_window.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QBackingStore>
#include <QCoreApplication>
#include <QCursor>
#include <QFont>
#include <QFrame>
#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QGuiApplication>
#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QRegion>
#include <QResizeEvent>
#include <QScreen>
#include <QScrollBar>
#include <QStyleOptionGraphicsItem>
#include <QWindow>

#include <algorithm>
#include <cmath>
#include <memory>
#include <optional>
#include <unordered_map>
#include <vector>

namespace vorlin {

namespace {

// When the screen does not say how often it refreshes.
constexpr double kDefaultRefreshRate = 60.0;
// How much later than it falls due a refresh may wait for the game's next frame: a quarter of a
// 60 Hz refresh, so that a game at 10 ms a tick is shown at 50 frames a second, each refresh in
// the wake-up of a tick.
constexpr int kRefreshAwaitsAFrameMs = 4;
// The most pixels of the field copied in one draw. Qt splits a larger copy over worker threads
// of its own (seen from 8 Ki pixels up, never at 4 Ki), and in the scaled full screen waking
// them cost more than the copies: two more threads woken some 200 times a second each at 10 ms
// a tick.
constexpr double kMostPixelsInOneCopy = 4 * 1024;

// Calls draw with each band of the rectangle small enough for Qt to copy on this thread; each of
// its pixels covers devicePixels pixels of the screen.
template <typename Draw> void inBands(const QRect& rect, Draw draw, double devicePixels = 1) {
    const int bandHeight = std::max(
        1, static_cast<int>(kMostPixelsInOneCopy / (std::max(1, rect.width()) * devicePixels)));
    for (int top = rect.top(); top <= rect.bottom(); top += bandHeight)
        draw(QRect(rect.left(), top, rect.width(), std::min(bandHeight, rect.bottom() + 1 - top)));
}

int refreshIntervalMs(const QScreen* screen) {
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

// What a control's own pixels are made of, for a plain label, frame, button or scroll bar (the
// controls it holds have looks of their own): while it stays the same and the control stays in
// place, it looks as it was last painted.
struct ControlLook {
    QRect geometry;
    QString text;
    qint64 pixmap = 0;
    QString styleSheet;
    QFont font;
    qint64 palette = 0;
    bool enabled = true;
    int alignment = 0;
    bool wordWrap = false;
    int indent = 0;
    int margin = 0;
    int frameStyle = 0;
    // The window's activity, which picks the colours the style paints with.
    bool active = false;
    // A button's state.
    bool down = false;
    bool focused = false;
    bool underMouse = false;
    bool isDefault = false;
    bool checked = false;
    // A scroll bar's state, and where the pointer is over it: the style lights the part under
    // the pointer.
    int value = 0;
    int minimum = 0;
    int maximum = 0;
    int pageStep = 0;
    QPoint pointer;

    bool operator==(const ControlLook&) const = default;
};

// Whether the look of a control of this kind is known here: not for text boxes, whose caret
// blinks unseen, nor for controls that paint themselves.
bool lookKnown(const QWidget& control) {
    const QMetaObject* kind = control.metaObject();
    return kind == &QLabel::staticMetaObject || kind == &QFrame::staticMetaObject ||
           kind == &QPushButton::staticMetaObject || kind == &QRadioButton::staticMetaObject ||
           kind == &QScrollBar::staticMetaObject;
}

// The look of a control, or none when its kind is not known here.
std::optional<ControlLook> lookOf(const QWidget& control) {
    if (!lookKnown(control)) return std::nullopt;
    const QMetaObject* kind = control.metaObject();
    ControlLook look;
    look.geometry = control.geometry();
    look.styleSheet = control.styleSheet();
    look.font = control.font();
    look.palette = control.palette().cacheKey();
    look.enabled = control.isEnabled();
    look.active = control.isActiveWindow();
    look.focused = control.hasFocus();
    look.underMouse = control.underMouse();
    if (kind == &QPushButton::staticMetaObject || kind == &QRadioButton::staticMetaObject) {
        const auto& button = static_cast<const QAbstractButton&>(control);
        look.text = button.text();
        look.pixmap = button.icon().cacheKey();
        look.down = button.isDown();
        look.checked = button.isChecked();
        if (kind == &QPushButton::staticMetaObject) {
            const auto& push = static_cast<const QPushButton&>(control);
            look.isDefault = push.isDefault() || push.autoDefault();
        }
        return look;
    }
    if (kind == &QScrollBar::staticMetaObject) {
        const auto& bar = static_cast<const QScrollBar&>(control);
        look.value = bar.value();
        look.minimum = bar.minimum();
        look.maximum = bar.maximum();
        look.pageStep = bar.pageStep();
        look.down = bar.isSliderDown();
        if (look.underMouse) look.pointer = bar.mapFromGlobal(QCursor::pos());
        return look;
    }
    look.frameStyle = static_cast<const QFrame&>(control).frameStyle();
    if (kind == &QLabel::staticMetaObject) {
        const auto& label = static_cast<const QLabel&>(control);
        look.text = label.text();
        look.pixmap = label.pixmap().cacheKey();
        look.alignment = int(label.alignment());
        look.wordWrap = label.wordWrap();
        look.indent = label.indent();
        look.margin = label.margin();
    }
    return look;
}

} // namespace

// The form's controls as they were last painted, at the size the screen shows them, clear
// wherever no control lies. The field is shown with this picture laid over it; a control is
// painted again only when its look changed, or where one that changed lies over or under it.
class ControlsPicture {
  public:
    // Device pixels of the picture area; a new size starts clear and is filled by a paint of the
    // whole window.
    void resize(QSize size) {
        if (image_.size() == size) return;
        image_ = QImage(size, QImage::Format_ARGB32_Premultiplied);
        image_.fill(Qt::transparent);
        shownControls_ = QRegion();
        painted_.clear();
    }

    // Paints the form's controls anew within the part (device pixels of the picture area),
    // except the controls that look as they did when they were last painted.
    void repaint(QWidget& form, const QRegion& part) {
        const QRegion within = part & image_.rect();
        if (within.isEmpty()) return;
        const std::vector<Shown> shown = shownControls(form, within.boundingRect());
        const Comparison compared = compare(shown, within.boundingRect());
        paint(form, shown, within - (compared.unchanged - compared.changed));
    }

    // Paints anew the controls whose look changed since they were last painted (every control
    // whose look is not known here counts as changed), and the places of those that went or
    // moved. Returns where, in device pixels of the picture area.
    QRegion repaintChanged(QWidget& form) {
        const std::vector<Shown> shown = shownControls(form, image_.rect());
        const QRegion changed = compare(shown, image_.rect()).changed & image_.rect();
        paint(form, shown, changed);
        return changed;
    }

    // Lays the controls over the part of the window (logical pixels) the painter is drawing,
    // whose picture area starts at origin.
    void drawOver(QPainter& painter, const QRegion& part, QPoint origin, qreal ratio) const {
        const QRegion shown = shownControls_ & toDevice(part, origin, ratio);
        for (const QRect& rect : shown)
            inBands(rect, [&](const QRect& band) {
                painter.drawImage(QRectF(origin.x() + band.x() / ratio,
                                         origin.y() + band.y() / ratio, band.width() / ratio,
                                         band.height() / ratio),
                                  image_, band);
            });
    }

    // Device pixels of the picture area covering a part of the window.
    static QRegion toDevice(const QRegion& part, QPoint origin, qreal ratio) {
        QRegion device;
        for (const QRect& rect : part.translated(-origin))
            device += QRectF(rect.x() * ratio, rect.y() * ratio, rect.width() * ratio,
                             rect.height() * ratio)
                          .toAlignedRect();
        return device;
    }

    // The part of the window (logical pixels) covering device pixels of the picture area.
    static QRegion toWindow(const QRegion& device, QPoint origin, qreal ratio) {
        QRegion window;
        for (const QRect& rect : device)
            window += QRectF(rect.x() / ratio, rect.y() / ratio, rect.width() / ratio,
                             rect.height() / ratio)
                          .toAlignedRect();
        return window.translated(origin);
    }

  private:
    // A control shown on the form, where it lies on the picture, and its look when it lies
    // where it may be painted.
    struct Shown {
        QWidget* control;
        QRect onPicture;
        std::optional<ControlLook> look;
        // Held by the form itself: painted with the controls it holds.
        bool onForm;
        // The pixels the control paints whole, whatever lies under it: a label or panel with a
        // background of its own. Nothing for any other.
        QRect covers;
    };
    // Where a control was last painted, and its look then when it was painted whole with a
    // look known here.
    struct Painted {
        QRect onPicture;
        std::optional<ControlLook> look;
    };
    struct Comparison {
        QRegion unchanged;
        QRegion changed;
    };

    // The controls shown on the form, bottom first, each followed by those it holds when its own
    // look is known here; the look of those reaching into the area.
    std::vector<Shown> shownControls(const QWidget& form, const QRect& area) const {
        std::vector<Shown> shown;
        addShown(form, form, QPoint(), image_.rect(), area, shown);
        return shown;
    }

    // A control shows only within its holder: a caption wider than its box, or a title taller
    // than its panel, is cut at the holder's edge, and only what shows of it counts.
    void addShown(const QWidget& form, const QWidget& holder, QPoint holderInForm,
                  const QRect& holderShows, const QRect& area, std::vector<Shown>& shown) const {
        for (QObject* child : holder.children()) {
            auto* control = qobject_cast<QWidget*>(child);
            if (!control || !control->isVisible() || control->isWindow()) continue;
            const QRect inForm = control->geometry().translated(holderInForm);
            const QRect at = onPicture(form, inForm) & holderShows;
            shown.push_back(
                {control, at, at.intersects(area) ? lookOf(*control) : std::nullopt,
                 &holder == &form,
                 paintsOwnBackground(*control) ? wholePixelsOf(form, inForm) & at : QRect()});
            // A control of a kind not known here is painted again whole, with all it holds.
            if (lookKnown(*control)) addShown(form, *control, inForm.topLeft(), at, area, shown);
        }
    }

    // Where a part of the form lies on the picture.
    QRect onPicture(const QWidget& form, const QRect& at) const {
        return scaledToPicture(form, at).toAlignedRect();
    }

    // The pixels of the picture a part of the form covers whole: at a fractional scale the
    // pixels on its edge are shared with what lies beside it.
    QRect wholePixelsOf(const QWidget& form, const QRect& at) const {
        const QRectF scaled = scaledToPicture(form, at);
        const QPoint topLeft(static_cast<int>(std::ceil(scaled.left())),
                             static_cast<int>(std::ceil(scaled.top())));
        const QPoint pastBottomRight(static_cast<int>(std::floor(scaled.right())),
                                     static_cast<int>(std::floor(scaled.bottom())));
        return QRect(topLeft, pastBottomRight - QPoint(1, 1));
    }

    QRectF scaledToPicture(const QWidget& form, const QRect& at) const {
        const double sx = image_.width() / double(form.width());
        const double sy = image_.height() / double(form.height());
        return QRectF(at.x() * sx, at.y() * sy, at.width() * sx, at.height() * sy);
    }

    // A label or panel whose style gives it a background that hides what lies under it.
    static bool paintsOwnBackground(const QWidget& control) {
        const QMetaObject* kind = control.metaObject();
        return (kind == &QLabel::staticMetaObject || kind == &QFrame::staticMetaObject) &&
               control.testAttribute(Qt::WA_StyledBackground) &&
               control.palette().brush(control.backgroundRole()).isOpaque();
    }

    // Which of the controls reaching into the area look as they were last painted, and where
    // the others lie now and lay when they were last painted, with the places of the controls
    // hidden since (what lay under them shows again). A change under a control above it that
    // looks as it was painted and paints its whole background changes nothing on the picture
    // and is left out. (The list is bottom first: each control lies under all those after it.)
    Comparison compare(const std::vector<Shown>& shown, const QRect& area) {
        Comparison compared;
        std::vector<const QWidget*> stillShown;
        QRegion hiddenByUnchanged;
        for (auto each = shown.rbegin(); each != shown.rend(); ++each) {
            stillShown.push_back(each->control);
            if (!each->onPicture.intersects(area)) continue;
            const auto painted = painted_.find(each->control);
            const bool same = painted != painted_.end() && painted->second.look && each->look &&
                              painted->second.onPicture == each->onPicture &&
                              *painted->second.look == *each->look;
            if (same) {
                compared.unchanged += each->onPicture;
                hiddenByUnchanged += each->covers;
                continue;
            }
            QRegion changed(each->onPicture);
            if (painted != painted_.end()) changed += painted->second.onPicture;
            compared.changed += changed - hiddenByUnchanged;
        }
        for (auto it = painted_.begin(); it != painted_.end();) {
            if (std::find(stillShown.begin(), stillShown.end(), it->first) != stillShown.end()) {
                ++it;
                continue;
            }
            compared.changed += it->second.onPicture;
            it = painted_.erase(it);
        }
        return compared;
    }

    // Paints the shown controls anew within the region, clear where none lies.
    void paint(QWidget& form, const std::vector<Shown>& shown, const QRegion& cleared) {
        if (cleared.isEmpty()) return;
        QRegion controls;
        for (const Shown& each : shown)
            if (each.onForm) controls += each.onPicture;
        shownControls_ = (shownControls_ - cleared) + (controls & cleared);
        QPainter painter(&image_);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        for (const QRect& rect : cleared - controls)
            painter.fillRect(rect, Qt::transparent);
        const QRegion drawn = controls & cleared;
        if (drawn.isEmpty()) return;
        // The form is painted a little beyond the region, on a picture of its own, and only the
        // region is taken from it: an edge the region shares with pixels not painted again is
        // then neither left out nor drawn twice.
        const double sx = image_.width() / double(form.width());
        const double sy = image_.height() / double(form.height());
        const QRect bounds = drawn.boundingRect();
        QRegion inForm;
        for (const QRect& rect : drawn)
            inForm += QRectF(rect.x() / sx, rect.y() / sy, rect.width() / sx, rect.height() / sy)
                          .toAlignedRect()
                          .adjusted(-1, -1, 1, 1) &
                      form.rect();
        // A control whose part in the region lies whole under controls above it that paint
        // their own background is not painted at all: the box beside a changed caption, under
        // its edge. What it holds is painted with it, so does not count.
        std::vector<bool> inSight(shown.size());
        QRegion hiddenByThoseAbove;
        QRegion coveredByThoseHeld;
        for (std::size_t i = shown.size(); i-- > 0;) {
            coveredByThoseHeld += shown[i].covers;
            if (!shown[i].onForm) continue;
            inSight[i] = !((drawn & shown[i].onPicture) - hiddenByThoseAbove).isEmpty();
            hiddenByThoseAbove += coveredByThoseHeld;
            coveredByThoseHeld = QRegion();
        }
        QImage fresh(bounds.size(), QImage::Format_ARGB32_Premultiplied);
        fresh.fill(Qt::transparent);
        {
            QPainter formPainter(&fresh);
            formPainter.translate(-bounds.topLeft());
            formPainter.scale(sx, sy);
            // Control by control, bottom first, so that only the controls in the region are
            // visited: the form holds many more, hidden.
            for (std::size_t i = 0; i < shown.size(); ++i) {
                if (!shown[i].onForm || !inSight[i]) continue;
                QWidget* control = shown[paintedFrom(shown, i, drawn)].control;
                const QRect inFormAt(control->mapTo(&form, QPoint()), control->size());
                const QRegion inControl = inForm & inFormAt;
                if (inControl.isEmpty()) continue;
                // As a part of the form: its background only where it paints one itself.
                control->render(&formPainter, inControl.boundingRect().topLeft(),
                                inControl.translated(-inFormAt.topLeft()), QWidget::DrawChildren);
            }
        }
        for (const QRect& rect : drawn)
            inBands(rect, [&](const QRect& band) {
                painter.drawImage(band.topLeft(), fresh, band.translated(-bounds.topLeft()));
            });
        notePainted(shown, drawn);
    }

    // Which control to paint, with all it holds, for the control the form holds at index
    // holder: the one it holds that lies on top wherever the region meets the holder, when that
    // one paints its own background over all of it (a caption in its box), else the holder.
    static std::size_t paintedFrom(const std::vector<Shown>& shown, std::size_t holder,
                                   const QRegion& region) {
        const QRegion part = region & shown[holder].onPicture;
        std::size_t held = holder + 1;
        while (held < shown.size() && !shown[held].onForm)
            ++held;
        while (--held > holder)
            if (part.intersects(shown[held].onPicture))
                return (part - shown[held].covers).isEmpty() ? held : holder;
        return holder;
    }

    // Keeps where each control painted just now lies, and its look when it was painted whole;
    // one painted only in part with a look other than its last is painted whole the next time.
    void notePainted(const std::vector<Shown>& shown, const QRegion& drawn) {
        for (const Shown& each : shown) {
            if (!drawn.intersects(each.onPicture)) continue;
            Painted& painted = painted_[each.control];
            painted.onPicture = each.onPicture;
            if ((QRegion(each.onPicture) - drawn).isEmpty())
                painted.look = each.look;
            else if (!(painted.look && each.look && *painted.look == *each.look))
                painted.look.reset();
        }
    }

    QImage image_;
    // Where the picture holds a control.
    QRegion shownControls_;
    // The controls painted on the picture.
    std::unordered_map<const QWidget*, Painted> painted_;
};

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
    refreshIntervalMs_ = refreshIntervalMs(screen());
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
    if (dueIn == 0) {
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
