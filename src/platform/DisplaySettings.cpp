#include "DisplaySettings.h"
#include "SeamSlot.h"

#include <QGuiApplication>
#include <QScreen>

#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>

namespace platform {
namespace {

// The primary screen through XRandR's size list (the driver's own order of
// modes). Off X11 the size comes from Qt and nothing can be switched.
class XrandrDisplaySettings final : public DisplaySettings {
public:
    ~XrandrDisplaySettings() override
    {
        if (display_)
            XCloseDisplay(display_);
    }

    QSize ScreenSize() override
    {
        if (Display* dpy = Connection()) {
            if (XRRScreenConfiguration* config = XRRGetScreenInfo(dpy, DefaultRootWindow(dpy))) {
                int count = 0;
                XRRScreenSize* sizes = XRRConfigSizes(config, &count);
                Rotation rotation;
                const SizeID current = XRRConfigCurrentConfiguration(config, &rotation);
                QSize size;
                if (current < count)
                    size = QSize(sizes[current].width, sizes[current].height);
                XRRFreeScreenConfigInfo(config);
                if (size.isValid())
                    return size;
            }
            return QSize(DisplayWidth(dpy, DefaultScreen(dpy)), DisplayHeight(dpy, DefaultScreen(dpy)));
        }
        if (QScreen* screen = QGuiApplication::primaryScreen())
            return screen->size();
        return QSize();
    }

    bool EnumMode(int index, DisplayMode& mode) override
    {
        Display* dpy = Connection();
        if (!dpy || index < 0)
            return false;
        XRRScreenConfiguration* config = XRRGetScreenInfo(dpy, DefaultRootWindow(dpy));
        if (!config)
            return false;
        int count = 0;
        XRRScreenSize* sizes = XRRConfigSizes(config, &count);
        const bool found = index < count;
        if (found) {
            mode.Fields = DM_PELSWIDTH | DM_PELSHEIGHT | DM_BITSPERPEL | DM_DISPLAYFREQUENCY;
            mode.PelsWidth = sizes[index].width;
            mode.PelsHeight = sizes[index].height;
            mode.BitsPerPel = DefaultDepth(dpy, DefaultScreen(dpy));
            mode.DisplayFrequency = XRRConfigCurrentRate(config);
        }
        XRRFreeScreenConfigInfo(config);
        return found;
    }

    bool Change(const DisplayMode& mode) override
    {
        Display* dpy = Connection();
        if (!dpy)
            return false;
        const Window root = DefaultRootWindow(dpy);
        XRRScreenConfiguration* config = XRRGetScreenInfo(dpy, root);
        if (!config)
            return false;
        int count = 0;
        XRRScreenSize* sizes = XRRConfigSizes(config, &count);
        Rotation rotation;
        const SizeID current = XRRConfigCurrentConfiguration(config, &rotation);
        const int wantWidth = (mode.Fields & DM_PELSWIDTH) ? mode.PelsWidth : sizes[current].width;
        const int wantHeight = (mode.Fields & DM_PELSHEIGHT) ? mode.PelsHeight : sizes[current].height;
        int target = -1;
        for (int i = 0; i < count && target < 0; ++i)
            if (sizes[i].width == wantWidth && sizes[i].height == wantHeight)
                target = i;
        bool changed = false;
        if (target >= 0)
            changed = XRRSetScreenConfig(dpy, config, root, SizeID(target), rotation, CurrentTime) == RRSetConfigSuccess;
        XRRFreeScreenConfigInfo(config);
        XSync(dpy, False);
        return changed;
    }

private:
    Display* Connection()
    {
        if (!tried_) {
            tried_ = true;
            if (QGuiApplication::platformName() == QLatin1String("xcb")) {
                display_ = XOpenDisplay(nullptr);
                int eventBase = 0, errorBase = 0;
                if (display_ && !XRRQueryExtension(display_, &eventBase, &errorBase)) {
                    XCloseDisplay(display_);
                    display_ = nullptr;
                }
            }
        }
        return display_;
    }

    bool tried_ = false;
    Display* display_ = nullptr;
};

SeamSlot<DisplaySettings, XrandrDisplaySettings> slot;

} // namespace

DisplaySettings& displaySettings() { return slot.Get(); }
void InstallDisplaySettings(DisplaySettings* settings) { slot.Install(settings); }

} // namespace platform
