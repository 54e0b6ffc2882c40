#pragma once
// What screen readers are told of the picture controls. A picture button is
// a bare rectangle over a face painted into its screen's background, so the
// toolkit knows neither what the face says nor that it is a button. Each
// button carries its caption and its key (TkivImage1::SetAccessibleCaption);
// the interface installed here tells them as a push button's name and
// description, and its press action clicks the button.
//
// A button no key works is described by an empty text: a screen reader then
// says nothing after the name, rather than reading a placeholder.

#include <initializer_list>

class TkivImage1;

// Makes the toolkit ask this interface for every picture control. Done once
// by the application object; calling it again changes nothing.
void InstallPictureAccessibility();

// One line of a screen's table of its buttons.
struct AccessibleCaption {
    TkivImage1* button;
    const char* caption; // the words on its face
    const char* key;     // the key that does the same on this screen; "" for none
};
void SetAccessibleCaptions(std::initializer_list<AccessibleCaption> buttons);
