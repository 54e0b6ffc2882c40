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

// A command button resting on a face painted into its screen's background,
// lit with its own picture while the pointer is over it.
struct LayoutCommand {
    LayoutRect place;
    const char* caption;
    const char* litFace; // skin name of the lit face
    const char* hint;    // empty: none
};

// An on/off switch whose "on" face is painted into the background; while
// off it wears its own face.
struct LayoutSwitch {
    LayoutRect place;
    const char* caption;
    const char* offFace; // skin name of the switched-off face
};

// A toggle whose "off" face is painted into the background; while on it
// wears its own face.
struct LayoutToggle {
    LayoutRect place;
    const char* caption;
    const char* onFace; // skin name of the switched-on face
    const char* hint;   // empty: none
};
