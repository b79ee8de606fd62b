#pragma once

#include <QFont>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QRegion>
#include <QString>

#include <cstddef>
#include <optional>
#include <unordered_map>
#include <vector>

class QPainter;
class QWidget;

namespace vorlin {

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

// The form's controls as they were last painted, at the size the screen shows them, clear
// wherever no control lies. The field is shown with this picture laid over it; a control is
// painted again only when its look changed, or where one that changed lies over or under it.
class ControlsPicture {
  public:
    // Device pixels of the picture area; a new size starts clear and is filled by a paint of the
    // whole window.
    void resize(QSize size);

    // Paints the form's controls anew within the part (device pixels of the picture area),
    // except the controls that look as they did when they were last painted.
    void repaint(QWidget& form, const QRegion& part);

    // Paints anew the controls whose look changed since they were last painted (every control
    // whose look is not known here counts as changed), and the places of those that went or
    // moved. Returns where, in device pixels of the picture area.
    QRegion repaintChanged(QWidget& form);

    // Lays the controls over the part of the window (logical pixels) the painter is drawing,
    // whose picture area starts at origin.
    void drawOver(QPainter& painter, const QRegion& part, QPoint origin, qreal ratio) const;

    // Device pixels of the picture area covering a part of the window.
    static QRegion toDevice(const QRegion& part, QPoint origin, qreal ratio);

    // The part of the window (logical pixels) covering device pixels of the picture area.
    static QRegion toWindow(const QRegion& device, QPoint origin, qreal ratio);

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
    std::vector<Shown> shownControls(const QWidget& form, const QRect& area) const;

    // A control shows only within its holder: a caption wider than its box, or a title taller
    // than its panel, is cut at the holder's edge, and only what shows of it counts.
    void addShown(const QWidget& form, const QWidget& holder, QPoint holderInForm,
                  const QRect& holderShows, const QRect& area, std::vector<Shown>& shown) const;

    // Where a part of the form lies on the picture.
    QRect onPicture(const QWidget& form, const QRect& at) const;

    // The pixels of the picture a part of the form covers whole: at a fractional scale the
    // pixels on its edge are shared with what lies beside it.
    QRect wholePixelsOf(const QWidget& form, const QRect& at) const;

    // Where a part of the form lies on the picture, in fractions of its pixels.
    QRectF scaledToPicture(const QWidget& form, const QRect& at) const;

    // A label or panel whose style gives it a background that hides what lies under it.
    static bool paintsOwnBackground(const QWidget& control);

    // Which of the controls reaching into the area look as they were last painted, and where
    // the others lie now and lay when they were last painted, with the places of the controls
    // hidden since (what lay under them shows again). A change under a control above it that
    // looks as it was painted and paints its whole background changes nothing on the picture
    // and is left out. (The list is bottom first: each control lies under all those after it.)
    Comparison compare(const std::vector<Shown>& shown, const QRect& area);

    // Paints the shown controls anew within the region, clear where none lies.
    void paint(QWidget& form, const std::vector<Shown>& shown, const QRegion& cleared);

    // Which control to paint, with all it holds, for the control the form holds at index
    // holder: the one it holds that lies on top wherever the region meets the holder, when that
    // one paints its own background over all of it (a caption in its box), else the holder.
    static std::size_t paintedFrom(const std::vector<Shown>& shown, std::size_t holder,
                                   const QRegion& region);

    // Keeps where each control painted just now lies, and its look when it was painted whole;
    // one painted only in part with a look other than its last is painted whole the next time.
    void notePainted(const std::vector<Shown>& shown, const QRegion& drawn);

    QImage image_;
    // Where the picture holds a control.
    QRegion shownControls_;
    // The controls painted on the picture.
    std::unordered_map<const QWidget*, Painted> painted_;
};

} // namespace vorlin
