#pragma once
// The program's twenty screens, created once at start-up in a fixed order and
// destroyed in the reverse order when the program ends.

class TApplication;

// Creates every screen through `application`, the main menu first. Each
// screen's creation routine runs before the next screen is created; a routine
// may ask the application to terminate, and the rest are still created.
void CreateScreens(TApplication& application);
