// The whole-lesson player's pictures follow with the screen.
#include "Style.h"
std::vector<PaintedPicture> PaintWholeLesson() { return {}; }
