#pragma once
// The display-settings seam: the screen size, the modes the display offers and
// a dynamic mode change. The real one speaks XRandR on X11; elsewhere it reads
// the size and reports every enumeration and change as failed.

#include <QSize>
#include <cstdint>

namespace platform {

// Bits of DisplayMode::Fields telling which members a change asks for.
inline constexpr std::uint32_t DM_BITSPERPEL = 0x00040000;
inline constexpr std::uint32_t DM_PELSWIDTH = 0x00080000;
inline constexpr std::uint32_t DM_PELSHEIGHT = 0x00100000;
inline constexpr std::uint32_t DM_DISPLAYFREQUENCY = 0x00400000;

struct DisplayMode {
    std::uint32_t Fields = 0;
    int PelsWidth = 0;
    int PelsHeight = 0;
    int BitsPerPel = 0;
    int DisplayFrequency = 0;
};

class DisplaySettings {
public:
    virtual ~DisplaySettings() = default;
    // Current size of the primary screen in pixels.
    virtual QSize ScreenSize() = 0;
    // Fills `mode` with mode number `index` of the primary display, in the
    // order the driver lists its modes; false when there is no such mode.
    virtual bool EnumMode(int index, DisplayMode& mode) = 0;
    // Changes the primary display to `mode` for this run only (the desktop's
    // stored default is not touched); true when the display accepted it.
    virtual bool Change(const DisplayMode& mode) = 0;
};

DisplaySettings& displaySettings();
void InstallDisplaySettings(DisplaySettings* settings); // nullptr: the real one

} // namespace platform
