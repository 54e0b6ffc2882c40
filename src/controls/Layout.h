#pragma once
// A control's place on its screen. Screens and the skin painter read the same
// layout tables, so every painted face lies exactly under its hot area.

struct LayoutRect {
    int Left;
    int Top;
    int Width;
    int Height;
};

// A caption painted into a screen's background.
struct LayoutCaption {
    LayoutRect place;
    const char* text;
};
