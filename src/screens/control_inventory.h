#pragma once

#include <vector>

namespace vorlin {

enum class ControlKind {
    Label,
    Button,
    OptionButton,
    TextBox,
    HScrollBar,
    VScrollBar,
    Panel,         // a frame used as a panel
    PictureBox,    // a visible picture box (status row cells, the scheme-title box)
    PictureHolder, // a hidden picture box that only holds a sprite picture
    Image,         // a picture stored with the program (Image1, Image2)
    Shape,         // a filled square or an outlined rectangle
    Line,
    Timer,
    ResolutionControl,
};

enum class TextAlign { Left, Centre, Right };

// No colour given: the control keeps the toolkit's default.
inline constexpr int kDefaultColour = -1;

struct FontSpec {
    const char* family = nullptr; // nullptr: the window's default font (MS Sans Serif 8.25 pt)
    double pointSize = 8.25;
    bool bold = false;
    bool italic = false;
    bool underline = false;
};

struct ScrollSpec {
    int minimum = 0;
    int maximum = 0;
    int smallStep = 0;
    int largeStep = 0;
    int value = 0;
};

// One control of the window as designed: where it is, what it shows and how it starts.
// Colours are 0x00BBGGRR. Positions are pixels relative to the container; a line goes from
// (x, y) to (x + width, y + height).
struct ControlSpec {
    const char* name;
    ControlKind kind;
    const char* container = nullptr; // nullptr: the window itself
    const char* caption = "";
    int x = 0, y = 0, width = 0, height = 0;
    bool hidden = false;
    bool disabled = false;
    bool selected = false; // option buttons
    int foreColour = kDefaultColour;
    int backColour = kDefaultColour; // for shapes: the fill (squares) or the outline colour
    FontSpec font{};
    TextAlign align = TextAlign::Left;
    bool border = false;      // panels: single border
    bool transparent = false; // labels drawn without their background
    bool wordWrap = false;
    bool handCursor = false;           // link labels
    bool filled = false;               // shapes: a filled square rather than an outline
    int interval = 0;                  // timers, ms
    ScrollSpec scroll{};               // scroll bars
    const char* pictureFile = nullptr; // picture holders filled from dati/ at load
    // What a screen reader calls a control that shows no caption of its own (a scroll bar, a
    // text box); nullptr: its caption.
    const char* accessibleName = nullptr;
};

// Every control of the window in front-to-back order (within a container, a control listed
// first is drawn on top), the record grid's fifty row controls included in their place.
const std::vector<ControlSpec>& controlInventory();

} // namespace vorlin
