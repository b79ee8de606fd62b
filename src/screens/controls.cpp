#include "controls.h"

#include "painted_controls.h"

#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollBar>

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string_view>

namespace vorlin {

namespace {

const char* kForeProperty = "vorlinForeColour";
const char* kCaptionProperty = "vorlinCaption";
// In a word-wrapped text a long run of spaces was the author's way of starting a new line.
constexpr int kSpacesThatBreakALine = 20;

// What a label shows for its caption: word-wrapped texts break their lines at long space runs.
QString shownText(const ControlSpec& design, const QString& caption) {
    if (!design.wordWrap) return caption;
    QString shown = caption;
    shown.replace(QRegularExpression(QStringLiteral(" {%1,}").arg(kSpacesThatBreakALine)),
                  QStringLiteral("\n"));
    return shown;
}
// A word-wrapped text in the player's language, translated paragraph by paragraph: the long
// space runs that start its lines stay as they are.
QString translatedText(const ControlSpec& design) {
    if (!design.wordWrap) return translatedCaption(design.caption);
    const QString caption = QString::fromUtf8(design.caption);
    static const QRegularExpression lineStart(QStringLiteral(" {%1,}").arg(kSpacesThatBreakALine));
    QString translated;
    qsizetype paragraphStart = 0;
    for (auto gaps = lineStart.globalMatch(caption); gaps.hasNext();) {
        const QRegularExpressionMatch gap = gaps.next();
        translated +=
            translatedCaption(caption.mid(paragraphStart, gap.capturedStart() - paragraphStart)
                                  .toUtf8()
                                  .constData()) +
            gap.captured();
        paragraphStart = gap.capturedEnd();
    }
    return translated + translatedCaption(caption.mid(paragraphStart).toUtf8().constData());
}

const char* kBackProperty = "vorlinBackColour";
constexpr int kBlack = 0x000000;

// Both design fonts, Arial and MS Sans Serif, are drawn with Liberation Sans (Arial's metrics),
// sized in pixels as on a 96-dpi screen so the layout does not depend on the desktop's dpi.
// The window's default font, MS Sans Serif 8.25 pt, was a narrow bitmap font: 10 pixels of
// Liberation Sans keep its texts within their labels.
constexpr int kDefaultFontPixels = 10;

QFont fontFor(const FontSpec& design) {
    QFont font(QStringLiteral("Liberation Sans"));
    const bool sansSerif = !design.family || std::string_view(design.family) == "MS Sans Serif";
    font.setPixelSize(sansSerif ? kDefaultFontPixels
                                : static_cast<int>(std::lround(design.pointSize * 96.0 / 72.0)));
    font.setBold(design.bold);
    font.setItalic(design.italic);
    font.setUnderline(design.underline);
    return font;
}

Qt::Alignment alignmentFor(TextAlign align) {
    switch (align) {
    case TextAlign::Centre:
        return Qt::AlignHCenter | Qt::AlignTop;
    case TextAlign::Right:
        return Qt::AlignRight | Qt::AlignTop;
    case TextAlign::Left:
        break;
    }
    return Qt::AlignLeft | Qt::AlignTop;
}

bool isLabel(const ControlSpec& design) {
    return design.kind == ControlKind::Label || design.kind == ControlKind::Image;
}

} // namespace

QString translatedCaption(const char* caption) {
    return QCoreApplication::translate("Controls", caption);
}

QColor colourFromBgr(int bgr) {
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

Controls::Controls(QWidget* form, const std::vector<ControlSpec>& inventory) {
    for (const ControlSpec& design : inventory) {
        if (design.kind == ControlKind::Timer || design.kind == ControlKind::ResolutionControl)
            continue;
        QWidget* widget = create(form, design);
        widget->setObjectName(QString::fromLatin1(design.name));
        if (design.accessibleName)
            widget->setAccessibleName(translatedCaption(design.accessibleName));
        // A line is one pixel thick: its design gives it no width (vertical) or no height.
        const bool line = design.kind == ControlKind::Line;
        widget->setGeometry(design.x, design.y, line ? std::max(design.width, 1) : design.width,
                            line ? std::max(design.height, 1) : design.height);
        widget->setProperty(kForeProperty, design.foreColour);
        widget->setProperty(kBackProperty, design.backColour);
        widgets_[design.name] = widget;
        designs_[design.name] = &design;
        ordered_.push_back(&design);
        restyle(design.name);
        if (design.hidden) widget->hide();
        if (design.disabled) widget->setEnabled(false);
    }
    // Stacking: listed first is on top, and labels lie beneath the boxed controls of their
    // container. Raising from the back to the front leaves the first listed on top.
    for (bool labels : {true, false})
        for (auto it = ordered_.rbegin(); it != ordered_.rend(); ++it)
            if (isLabel(**it) == labels) widgets_[(*it)->name]->raise();
}

QWidget* Controls::create(QWidget* form, const ControlSpec& design) {
    QWidget* parent = design.container ? widget(design.container) : form;
    switch (design.kind) {
    case ControlKind::Label: {
        QLabel* label = design.handCursor ? new ClickableLabel(parent) : new QLabel(parent);
        label->setTextFormat(Qt::PlainText);
        const QString caption = translatedText(design);
        label->setProperty(kCaptionProperty, caption);
        label->setText(shownText(design, caption));
        label->setAlignment(alignmentFor(design.align));
        label->setWordWrap(design.wordWrap);
        label->setFont(fontFor(design.font));
        if (design.handCursor) label->setCursor(Qt::PointingHandCursor);
        return label;
    }
    case ControlKind::Image:
        return new QLabel(parent);
    case ControlKind::Button: {
        auto* button = new QPushButton(translatedCaption(design.caption), parent);
        button->setFont(fontFor(design.font));
        button->setFocusPolicy(Qt::TabFocus);
        return button;
    }
    case ControlKind::OptionButton: {
        auto* option = new QRadioButton(translatedCaption(design.caption), parent);
        option->setFont(fontFor(design.font));
        option->setChecked(design.selected);
        return option;
    }
    case ControlKind::TextBox: {
        auto* box = new QLineEdit(translatedCaption(design.caption), parent);
        box->setFont(fontFor(design.font));
        return box;
    }
    case ControlKind::HScrollBar:
    case ControlKind::VScrollBar: {
        auto* bar = new QScrollBar(
            design.kind == ControlKind::HScrollBar ? Qt::Horizontal : Qt::Vertical, parent);
        bar->setRange(design.scroll.minimum, design.scroll.maximum);
        bar->setSingleStep(design.scroll.smallStep);
        bar->setPageStep(design.scroll.largeStep);
        bar->setValue(design.scroll.value);
        bar->setTracking(false); // dragging the thumb reports the value on release
        return bar;
    }
    case ControlKind::Panel:
    case ControlKind::PictureBox: {
        auto* frame = new QFrame(parent);
        frame->setFont(fontFor(design.font));
        return frame;
    }
    case ControlKind::PictureHolder:
        return new QWidget(parent);
    case ControlKind::Shape:
        return new ShapeControl(
            parent, design.filled,
            colourFromBgr(design.backColour == kDefaultColour ? kBlack : design.backColour));
    case ControlKind::Line:
        return new LineControl(parent, colourFromBgr(design.backColour));
    case ControlKind::Timer:
    case ControlKind::ResolutionControl:
        break;
    }
    throw std::logic_error(std::string("control without a widget: ") + design.name);
}

void Controls::restyle(const std::string& name) {
    QWidget* w = widget(name);
    const ControlSpec& s = design(name);
    const int fore = w->property(kForeProperty).toInt();
    const int back = w->property(kBackProperty).toInt();
    const QString id = QString::fromLatin1(s.name);
    auto colour = [](int bgr) { return colourFromBgr(bgr).name(); };
    QString style;
    switch (s.kind) {
    case ControlKind::Label:
    case ControlKind::OptionButton:
    case ControlKind::TextBox: {
        const char* type = s.kind == ControlKind::Label          ? "QLabel"
                           : s.kind == ControlKind::OptionButton ? "QRadioButton"
                                                                 : "QLineEdit";
        style = QStringLiteral("%1#%2{").arg(QLatin1String(type), id);
        if (fore != kDefaultColour) style += QStringLiteral("color:%1;").arg(colour(fore));
        // A label the colour of its panel lets the panel show through, border included.
        const int ownBack = back == kDefaultColour ? kBlack : back;
        const bool asItsPanel = s.kind == ControlKind::Label && s.container &&
                                ownBack == backColourOrBlack(s.container);
        if (s.transparent || asItsPanel)
            style += QStringLiteral("background:transparent;");
        else
            style += QStringLiteral("background:%1;").arg(colour(ownBack));
        if (s.kind == ControlKind::TextBox) style += QStringLiteral("border:1px solid #808080;");
        style += QLatin1Char('}');
        // The round mark of an option button stays visible on the black panels.
        if (s.kind == ControlKind::OptionButton)
            style += QStringLiteral(
                         "QRadioButton#%1::indicator{width:9px;height:9px;border-radius:6px;"
                         "border:2px solid #a0a0a0;background:white;}"
                         "QRadioButton#%1::indicator:checked{background:qradialgradient(cx:0.5,"
                         "cy:0.5,radius:0.5,fx:0.5,fy:0.5,stop:0 black,stop:0.45 black,"
                         "stop:0.55 white,stop:1 white);}")
                         .arg(id);
        break;
    }
    case ControlKind::Button:
        if (back != kDefaultColour)
            style = QStringLiteral("QPushButton#%1{background:%2;color:black;border:2px outset %2;}"
                                   "QPushButton#%1:pressed{border-style:inset;}")
                        .arg(id, colour(back));
        break;
    case ControlKind::Panel:
    case ControlKind::PictureBox:
        style = QStringLiteral("QFrame#%1{background:%2;border:%3;}")
                    .arg(id, colour(back == kDefaultColour ? kBlack : back),
                         s.border ? QStringLiteral("1px solid #c0c0c0") : QStringLiteral("none"));
        break;
    default:
        break;
    }
    w->setStyleSheet(style);
}

QWidget* Controls::widget(const std::string& name) const {
    auto found = widgets_.find(name);
    if (found == widgets_.end()) throw std::out_of_range("no control named " + name);
    return found->second;
}

const ControlSpec& Controls::design(const std::string& name) const {
    auto found = designs_.find(name);
    if (found == designs_.end()) throw std::out_of_range("no control named " + name);
    return *found->second;
}

template <typename T> static T* as(QWidget* w, const std::string& name) {
    auto* typed = qobject_cast<T*>(w);
    if (!typed) throw std::logic_error("control " + name + " is not of the expected kind");
    return typed;
}

QLabel* Controls::label(const std::string& name) const {
    return as<QLabel>(widget(name), name);
}
QLineEdit* Controls::textBox(const std::string& name) const {
    return as<QLineEdit>(widget(name), name);
}
QScrollBar* Controls::scrollBar(const std::string& name) const {
    return as<QScrollBar>(widget(name), name);
}

void Controls::show(const std::string& name, bool visible) {
    widget(name)->setVisible(visible);
}
bool Controls::visible(const std::string& name) const {
    return !widget(name)->isHidden();
}
void Controls::enable(const std::string& name, bool enabled) {
    widget(name)->setEnabled(enabled);
}
bool Controls::enabled(const std::string& name) const {
    // The control's own Enabled flag, whatever its container's.
    return !widget(name)->testAttribute(Qt::WA_ForceDisabled);
}

QString Controls::caption(const std::string& name) const {
    QWidget* w = widget(name);
    if (auto* l = qobject_cast<QLabel*>(w)) return l->property(kCaptionProperty).toString();
    if (auto* b = qobject_cast<QAbstractButton*>(w)) return b->text();
    if (auto* t = qobject_cast<QLineEdit*>(w)) return t->text();
    return {};
}

void Controls::setCaption(const std::string& name, const QString& caption) {
    QWidget* w = widget(name);
    if (auto* l = qobject_cast<QLabel*>(w)) {
        l->setProperty(kCaptionProperty, caption);
        l->setText(shownText(design(name), caption));
    } else if (auto* b = qobject_cast<QAbstractButton*>(w))
        b->setText(caption);
    else if (auto* t = qobject_cast<QLineEdit*>(w))
        t->setText(caption);
    else
        throw std::logic_error("control " + name + " has no caption");
}

void Controls::setCaptionShownLater(const std::string& name, const QString& caption) {
    label(name)->setProperty(kCaptionProperty, caption);
}

void Controls::showCaption(const std::string& name) {
    QLabel* l = label(name);
    l->setText(shownText(design(name), l->property(kCaptionProperty).toString()));
}

int Controls::backColourOrBlack(const std::string& name) const {
    const int back = widget(name)->property(kBackProperty).toInt();
    return back == kDefaultColour ? kBlack : back;
}

int Controls::foreColour(const std::string& name) const {
    return widget(name)->property(kForeProperty).toInt();
}
int Controls::backColour(const std::string& name) const {
    QWidget* w = widget(name);
    if (auto* shape = dynamic_cast<ShapeControl*>(w)) {
        const QColor c = shape->colour();
        return c.red() | (c.green() << 8) | (c.blue() << 16);
    }
    return w->property(kBackProperty).toInt();
}
void Controls::setForeColour(const std::string& name, int bgr) {
    widget(name)->setProperty(kForeProperty, bgr);
    restyle(name);
}
void Controls::setBackColour(const std::string& name, int bgr) {
    QWidget* w = widget(name);
    if (auto* shape = dynamic_cast<ShapeControl*>(w)) shape->setColour(colourFromBgr(bgr));
    w->setProperty(kBackProperty, bgr);
    restyle(name);
}

} // namespace vorlin
