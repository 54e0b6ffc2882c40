// The whole-lesson player's rules follow with the screen.
