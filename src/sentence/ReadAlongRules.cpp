#include "ReadAlongRules.h"
#include "controls/Keys.h"

namespace sentence {

ReadAlongMove AfterReadAlongPause(int row, int rowCount, int repeatLeft, int repeatCount)
{
    if (row >= rowCount - 1)
        return {ReadAlongMove::Finished, 1, repeatLeft};
    if (repeatLeft >= 2)
        return {ReadAlongMove::Again, row, repeatLeft - 1};
    return {ReadAlongMove::Next, row + 1, repeatCount};
}

ReadAlongKey ReadAlongKeyCommand(int key, Qt::KeyboardModifiers modifiers)
{
    // The keypad flag says where a key sits, not what is held.
    const bool onlyCtrl = (modifiers & ~Qt::KeypadModifier) == Qt::ControlModifier;
    switch (key) {
    case vk::Escape: return ReadAlongKey::Back;
    case vk::Next: return ReadAlongKey::Next;
    case vk::Prior: return ReadAlongKey::Previous;
    case 'S': return onlyCtrl ? ReadAlongKey::Start : ReadAlongKey::None;
    case 'D': return onlyCtrl ? ReadAlongKey::Stop : ReadAlongKey::None;
    default: return ReadAlongKey::None;
    }
}

} // namespace sentence
