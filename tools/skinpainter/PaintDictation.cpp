// The dictation screen's pictures follow with the screen.
#include "Style.h"
std::vector<PaintedPicture> PaintDictation() { return {}; }
