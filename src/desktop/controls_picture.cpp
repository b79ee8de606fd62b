#include "controls_picture.h"

#include "copy_bands.h"

#include <QCursor>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include <algorithm>
#include <cmath>

namespace vorlin {

namespace {

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

void ControlsPicture::resize(QSize size) {
    if (image_.size() == size) return;
    image_ = QImage(size, QImage::Format_ARGB32_Premultiplied);
    image_.fill(Qt::transparent);
    shownControls_ = QRegion();
    painted_.clear();
}

void ControlsPicture::repaint(QWidget& form, const QRegion& part) {
    const QRegion within = part & image_.rect();
    if (within.isEmpty()) return;
    const std::vector<Shown> shown = shownControls(form, within.boundingRect());
    const Comparison compared = compare(shown, within.boundingRect());
    paint(form, shown, within - (compared.unchanged - compared.changed));
}

QRegion ControlsPicture::repaintChanged(QWidget& form) {
    const std::vector<Shown> shown = shownControls(form, image_.rect());
    const QRegion changed = compare(shown, image_.rect()).changed & image_.rect();
    paint(form, shown, changed);
    return changed;
}

void ControlsPicture::drawOver(QPainter& painter, const QRegion& part, QPoint origin,
                               qreal ratio) const {
    const QRegion shown = shownControls_ & toDevice(part, origin, ratio);
    for (const QRect& rect : shown)
        inBands(rect, [&](const QRect& band) {
            painter.drawImage(QRectF(origin.x() + band.x() / ratio, origin.y() + band.y() / ratio,
                                     band.width() / ratio, band.height() / ratio),
                              image_, band);
        });
}

QRegion ControlsPicture::toDevice(const QRegion& part, QPoint origin, qreal ratio) {
    QRegion device;
    for (const QRect& rect : part.translated(-origin))
        device +=
            QRectF(rect.x() * ratio, rect.y() * ratio, rect.width() * ratio, rect.height() * ratio)
                .toAlignedRect();
    return device;
}

QRegion ControlsPicture::toWindow(const QRegion& device, QPoint origin, qreal ratio) {
    QRegion window;
    for (const QRect& rect : device)
        window +=
            QRectF(rect.x() / ratio, rect.y() / ratio, rect.width() / ratio, rect.height() / ratio)
                .toAlignedRect();
    return window.translated(origin);
}

std::vector<ControlsPicture::Shown> ControlsPicture::shownControls(const QWidget& form,
                                                                   const QRect& area) const {
    std::vector<Shown> shown;
    addShown(form, form, QPoint(), image_.rect(), area, shown);
    return shown;
}

void ControlsPicture::addShown(const QWidget& form, const QWidget& holder, QPoint holderInForm,
                               const QRect& holderShows, const QRect& area,
                               std::vector<Shown>& shown) const {
    for (QObject* child : holder.children()) {
        auto* control = qobject_cast<QWidget*>(child);
        if (!control || !control->isVisible() || control->isWindow()) continue;
        const QRect inForm = control->geometry().translated(holderInForm);
        const QRect at = onPicture(form, inForm) & holderShows;
        shown.push_back(
            {control, at, at.intersects(area) ? lookOf(*control) : std::nullopt, &holder == &form,
             paintsOwnBackground(*control) ? wholePixelsOf(form, inForm) & at : QRect()});
        // A control of a kind not known here is painted again whole, with all it holds.
        if (lookKnown(*control)) addShown(form, *control, inForm.topLeft(), at, area, shown);
    }
}

QRect ControlsPicture::onPicture(const QWidget& form, const QRect& at) const {
    return scaledToPicture(form, at).toAlignedRect();
}

QRect ControlsPicture::wholePixelsOf(const QWidget& form, const QRect& at) const {
    const QRectF scaled = scaledToPicture(form, at);
    const QPoint topLeft(static_cast<int>(std::ceil(scaled.left())),
                         static_cast<int>(std::ceil(scaled.top())));
    const QPoint pastBottomRight(static_cast<int>(std::floor(scaled.right())),
                                 static_cast<int>(std::floor(scaled.bottom())));
    return QRect(topLeft, pastBottomRight - QPoint(1, 1));
}

QRectF ControlsPicture::scaledToPicture(const QWidget& form, const QRect& at) const {
    const double sx = image_.width() / double(form.width());
    const double sy = image_.height() / double(form.height());
    return QRectF(at.x() * sx, at.y() * sy, at.width() * sx, at.height() * sy);
}

bool ControlsPicture::paintsOwnBackground(const QWidget& control) {
    const QMetaObject* kind = control.metaObject();
    return (kind == &QLabel::staticMetaObject || kind == &QFrame::staticMetaObject) &&
           control.testAttribute(Qt::WA_StyledBackground) &&
           control.palette().brush(control.backgroundRole()).isOpaque();
}

ControlsPicture::Comparison ControlsPicture::compare(const std::vector<Shown>& shown,
                                                     const QRect& area) {
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

void ControlsPicture::paint(QWidget& form, const std::vector<Shown>& shown,
                            const QRegion& cleared) {
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

std::size_t ControlsPicture::paintedFrom(const std::vector<Shown>& shown, std::size_t holder,
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

void ControlsPicture::notePainted(const std::vector<Shown>& shown, const QRegion& drawn) {
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

} // namespace vorlin
