// The word-linking screen's pictures follow with the screen.
#include "Style.h"
std::vector<PaintedPicture> PaintWordLinking() { return {}; }
