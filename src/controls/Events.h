#pragma once
// Event slots of the controls. A slot is empty by default; an empty slot is
// simply not called. `Sender` is the control that raised the event.

#include <QObject>
#include <functional>

enum class TMouseButton { mbLeft, mbRight, mbMiddle };
using TShiftState = Qt::KeyboardModifiers;

using TNotifyEvent = std::function<void(QObject* Sender)>;
using TMouseEvent = std::function<void(QObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
// `Key` is the key's virtual key code (see Keys.h); a handler may clear it.
using TKeyEvent = std::function<void(QObject* Sender, int& Key, TShiftState Shift)>;

// Calls `slot` with the remaining arguments when it is set.
template <class Slot, class... Args>
void Raise(const Slot& slot, Args&&... args)
{
    if (slot)
        slot(std::forward<Args>(args)...);
}
