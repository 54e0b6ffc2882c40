#include "WordRunRules.h"

namespace word {

ReadPauseEnd AfterReadPause(int readWord, int readTotal, int repeatLeft, int playsPerWord)
{
    if (readWord >= readTotal)
        return {ReadPauseEnd::GroupOver, readWord, repeatLeft};
    if (repeatLeft > 1)
        return {ReadPauseEnd::Again, readWord, repeatLeft - 1};
    return {ReadPauseEnd::Next, readWord + 1, playsPerWord};
}

} // namespace word
