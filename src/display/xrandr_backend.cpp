#include "display/xrandr_backend.h"

#include "display/emulated_backend.h"

#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>

#include <algorithm>
#include <cmath>

namespace vorlin {

namespace {

constexpr int kRandrMajor = 1;
constexpr int kRandrMinor = 2;
// Used for the screen's physical size when the server reports none.
constexpr double kMillimetresPerInch = 25.4;
constexpr double kDefaultDotsPerInch = 96.0;

struct ResourcesDeleter {
    void operator()(XRRScreenResources* resources) const { XRRFreeScreenResources(resources); }
};
struct OutputDeleter {
    void operator()(XRROutputInfo* output) const { XRRFreeOutputInfo(output); }
};
struct CrtcDeleter {
    void operator()(XRRCrtcInfo* crtc) const { XRRFreeCrtcInfo(crtc); }
};
using Resources = std::unique_ptr<XRRScreenResources, ResourcesDeleter>;
using OutputInfo = std::unique_ptr<XRROutputInfo, OutputDeleter>;
using CrtcInfo = std::unique_ptr<XRRCrtcInfo, CrtcDeleter>;

struct ScreenSize {
    int width = 0;
    int height = 0;
};

// Set by the error handler while a mode change runs; X errors arrive after the call.
bool xErrorSeen = false;

int noteXError(Display*, XErrorEvent*) {
    xErrorSeen = true;
    return 0;
}

Window rootOf(Display* display) {
    return DefaultRootWindow(display);
}

Resources currentResources(Display* display) {
    return Resources(XRRGetScreenResourcesCurrent(display, rootOf(display)));
}

bool sideways(const XRRCrtcInfo& crtc) {
    return (crtc.rotation & (RR_Rotate_90 | RR_Rotate_270)) != 0;
}

// The size of the X screen now, asked of the server (Xlib's cached size is not kept up to date
// on this connection).
ScreenSize screenSize(Display* display) {
    Window root = 0;
    int x = 0;
    int y = 0;
    unsigned int width = 0;
    unsigned int height = 0;
    unsigned int border = 0;
    unsigned int depth = 0;
    XGetGeometry(display, rootOf(display), &root, &x, &y, &width, &height, &border, &depth);
    return {static_cast<int>(width), static_cast<int>(height)};
}

double millimetresPerPixel(int millimetres, int pixels) {
    if (millimetres <= 0 || pixels <= 0) return kMillimetresPerInch / kDefaultDotsPerInch;
    return static_cast<double>(millimetres) / pixels;
}

int millimetres(int pixels, double perPixel) {
    return std::max(1, static_cast<int>(std::lround(pixels * perPixel)));
}

bool contains(const XRRCrtcInfo& crtc, ScreenPoint point) {
    return point.x >= crtc.x && point.y >= crtc.y &&
           point.x < crtc.x + static_cast<int>(crtc.width) &&
           point.y < crtc.y + static_cast<int>(crtc.height);
}

// The active output that shows the point, else the primary one, else the first active one.
RROutput chooseOutput(Display* display, XRRScreenResources& resources, ScreenPoint point) {
    const RROutput primary = XRRGetOutputPrimary(display, rootOf(display));
    RROutput firstActive = 0;
    bool primaryActive = false;
    for (int index = 0; index < resources.noutput; ++index) {
        const RROutput output = resources.outputs[index];
        const OutputInfo info(XRRGetOutputInfo(display, &resources, output));
        if (!info || info->connection != RR_Connected || info->crtc == 0) continue;
        const CrtcInfo crtc(XRRGetCrtcInfo(display, &resources, info->crtc));
        if (!crtc || crtc->mode == 0) continue;
        if (contains(*crtc, point)) return output;
        if (firstActive == 0) firstActive = output;
        if (output == primary) primaryActive = true;
    }
    return primaryActive ? primary : firstActive;
}

const XRRModeInfo* modeInfo(const XRRScreenResources& resources, RRMode id) {
    for (int index = 0; index < resources.nmode; ++index) {
        if (resources.modes[index].id == id) return &resources.modes[index];
    }
    return nullptr;
}

// Runs a sequence of requests with X errors caught instead of ending the program, and with the
// server grabbed so that no other client sees the screen half changed.
class GrabbedChange {
  public:
    explicit GrabbedChange(Display* display)
        : display_(display), previousHandler_(XSetErrorHandler(noteXError)) {
        XSync(display_, False);
        xErrorSeen = false;
        XGrabServer(display_);
    }
    ~GrabbedChange() {
        XUngrabServer(display_);
        XSync(display_, False);
        XSetErrorHandler(previousHandler_);
    }
    GrabbedChange(const GrabbedChange&) = delete;
    GrabbedChange& operator=(const GrabbedChange&) = delete;

    bool failed() {
        XSync(display_, False);
        return xErrorSeen;
    }

  private:
    Display* display_;
    XErrorHandler previousHandler_;
};

} // namespace

std::unique_ptr<XrandrBackend> XrandrBackend::open(const char* displayName,
                                                   ScreenPoint windowCentre) {
    Display* display = XOpenDisplay(displayName);
    if (display == nullptr) return nullptr;
    int eventBase = 0;
    int errorBase = 0;
    int major = 0;
    int minor = 0;
    const bool usable = XRRQueryExtension(display, &eventBase, &errorBase) &&
                        XRRQueryVersion(display, &major, &minor) &&
                        (major > kRandrMajor || (major == kRandrMajor && minor >= kRandrMinor));
    // The full query, once, makes the server probe its outputs for their modes.
    const Resources resources(usable ? XRRGetScreenResources(display, rootOf(display)) : nullptr);
    const RROutput output = resources ? chooseOutput(display, *resources, windowCentre) : 0;
    if (output == 0) {
        XCloseDisplay(display);
        return nullptr;
    }
    const OutputInfo info(XRRGetOutputInfo(display, resources.get(), output));
    const CrtcInfo crtc(XRRGetCrtcInfo(display, resources.get(), info->crtc));
    const ScreenSize screen = screenSize(display);
    const int screenNumber = DefaultScreen(display);
    const StartingState starting{
        output,
        crtc->mode,
        static_cast<int>(crtc->width),
        static_cast<int>(crtc->height),
        screen.width,
        screen.height,
        millimetresPerPixel(DisplayWidthMM(display, screenNumber), screen.width),
        millimetresPerPixel(DisplayHeightMM(display, screenNumber), screen.height),
    };
    return std::unique_ptr<XrandrBackend>(new XrandrBackend(display, starting));
}

XrandrBackend::XrandrBackend(Display* display, const StartingState& starting)
    : display_(display), starting_(starting) {}

XrandrBackend::~XrandrBackend() {
    XCloseDisplay(display_);
}

int XrandrBackend::depth() const {
    return DefaultDepth(display_, DefaultScreen(display_));
}

DisplayMode XrandrBackend::current() const {
    const Resources resources = currentResources(display_);
    const OutputInfo info(resources ? XRRGetOutputInfo(display_, resources.get(), starting_.output)
                                    : nullptr);
    if (!info || info->crtc == 0) return {0, 0, depth()};
    const CrtcInfo crtc(XRRGetCrtcInfo(display_, resources.get(), info->crtc));
    if (!crtc) return {0, 0, depth()};
    return {static_cast<int>(crtc->width), static_cast<int>(crtc->height), depth()};
}

unsigned long XrandrBackend::findMode(int width, int height) const {
    const Resources resources = currentResources(display_);
    if (!resources) return 0;
    const OutputInfo info(XRRGetOutputInfo(display_, resources.get(), starting_.output));
    if (!info || info->crtc == 0) return 0;
    const CrtcInfo crtc(XRRGetCrtcInfo(display_, resources.get(), info->crtc));
    if (!crtc) return 0;
    // A monitor turned on its side shows a mode with width and height exchanged.
    const bool turned = sideways(*crtc);
    const auto fits = [&](RRMode id) {
        const XRRModeInfo* mode = modeInfo(*resources, id);
        if (mode == nullptr) return false;
        const int shownWidth = static_cast<int>(turned ? mode->height : mode->width);
        const int shownHeight = static_cast<int>(turned ? mode->width : mode->height);
        return shownWidth == width && shownHeight == height;
    };
    // The mode found at start-up comes first, so that going back restores its refresh rate too;
    // then the output's own order, which lists its preferred modes first.
    const RRMode* modes = info->modes;
    const bool startingModeListed =
        std::find(modes, modes + info->nmode, starting_.mode) != modes + info->nmode;
    if (startingModeListed && fits(starting_.mode)) return starting_.mode;
    const RRMode* found = std::find_if(modes, modes + info->nmode, fits);
    return found == modes + info->nmode ? 0 : *found;
}

int XrandrBackend::testMode(const DisplayMode& mode, bool changeDepth) {
    if (changeDepth && mode.depth != depth()) return DISP_CHANGE_BADMODE;
    return findMode(mode.width, mode.height) != 0 ? DISP_CHANGE_SUCCESSFUL : DISP_CHANGE_BADMODE;
}

int XrandrBackend::applyMode(const DisplayMode& mode, bool changeDepth) {
    const int tested = testMode(mode, changeDepth);
    if (tested != DISP_CHANGE_SUCCESSFUL) return tested;
    const RRMode newMode = findMode(mode.width, mode.height);

    GrabbedChange change(display_);
    const Resources resources = currentResources(display_);
    if (!resources) return DISP_CHANGE_FAILED;
    const OutputInfo info(XRRGetOutputInfo(display_, resources.get(), starting_.output));
    if (!info || info->crtc == 0) return DISP_CHANGE_FAILED;
    const RRCrtc ourCrtc = info->crtc;

    // The screen must hold every active monitor, ours at its new size.
    ScreenSize needed{mode.width, mode.height};
    for (int index = 0; index < resources->ncrtc; ++index) {
        const CrtcInfo crtc(XRRGetCrtcInfo(display_, resources.get(), resources->crtcs[index]));
        if (!crtc || crtc->mode == 0) continue;
        const bool ours = resources->crtcs[index] == ourCrtc;
        const int width = ours ? mode.width : static_cast<int>(crtc->width);
        const int height = ours ? mode.height : static_cast<int>(crtc->height);
        needed.width = std::max(needed.width, crtc->x + width);
        needed.height = std::max(needed.height, crtc->y + height);
    }
    if (mode.width == starting_.modeWidth && mode.height == starting_.modeHeight) {
        needed.width = std::max(needed.width, starting_.screenWidth);
        needed.height = std::max(needed.height, starting_.screenHeight);
    }

    // Grow the screen first where the monitor grows and shrink it last where it shrinks: the
    // server refuses a monitor that would reach outside the screen.
    const ScreenSize before = screenSize(display_);
    const ScreenSize during{std::max(before.width, needed.width),
                            std::max(before.height, needed.height)};
    const auto setScreenSize = [&](ScreenSize size) {
        XRRSetScreenSize(display_, rootOf(display_), size.width, size.height,
                         millimetres(size.width, starting_.millimetresPerPixelX),
                         millimetres(size.height, starting_.millimetresPerPixelY));
    };
    if (during.width != before.width || during.height != before.height) setScreenSize(during);

    const CrtcInfo crtc(XRRGetCrtcInfo(display_, resources.get(), ourCrtc));
    if (!crtc) return DISP_CHANGE_FAILED;
    const Status status =
        XRRSetCrtcConfig(display_, resources.get(), ourCrtc, CurrentTime, crtc->x, crtc->y, newMode,
                         crtc->rotation, crtc->outputs, crtc->noutput);
    if (during.width != needed.width || during.height != needed.height) setScreenSize(needed);

    return status == RRSetConfigSuccess && !change.failed() ? DISP_CHANGE_SUCCESSFUL
                                                            : DISP_CHANGE_FAILED;
}

bool XrandrBackend::emulated() const {
    return false;
}

std::unique_ptr<DisplayBackend> chooseDisplayBackend(bool x11Session, ScreenPoint windowCentre,
                                                     const DisplayMode& desktop) {
    if (x11Session) {
        std::unique_ptr<XrandrBackend> real = XrandrBackend::open(nullptr, windowCentre);
        constexpr bool keepDepth = false;
        const DisplayMode gameScreen{kGameScreenWidth, kGameScreenHeight, 0};
        if (real && real->testMode(gameScreen, keepDepth) == DISP_CHANGE_SUCCESSFUL) return real;
    }
    return std::make_unique<EmulatedBackend>(desktop);
}

} // namespace vorlin
