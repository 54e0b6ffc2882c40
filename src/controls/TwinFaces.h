#pragma once
// The hover faces of picture buttons.

#include "Image.h"

// A hidden picture control holding the painted picture `name`: a button's
// twin, or a screen's shared face.
TImage* HiddenSkinPicture(QWidget* parent, const LayoutRect& place, const char* name);

// A picture button with the hand cursor and, unless `hint` is empty, a hint.
TkivImage1* PictureButton(QWidget* parent, const LayoutRect& place, const char* hint = "");

// A picture button whose caption is a label over its face, in the Kai face;
// the label lets the pointer through to the button, which takes the caption
// as its accessible name. Returns the button.
TkivImage1* CaptionedButton(QWidget* parent, const LayoutRect& place, const QString& caption);

// A button that shows its own twin's picture while the pointer is over it and
// the screen's empty picture when it leaves.
void BindOwnTwinFaces(TkivImage1& button, const TImage& twin, const TImage& empty);

// A button that rests on a shared face and lights with a shared highlighted
// face; both are read when the event comes, so a later change to either
// picture reaches every button bound to it.
void BindSharedFaces(TkivImage1& button, const TImage& resting, const TImage& highlighted);
