// The screen's deciding rules follow with the screen.
