#pragma once
// Event slots of the controls. A slot is empty by default; an empty slot is
// simply not called. `Sender` is the control that raised the event.

#include "platform/Errors.h"

#include <QObject>
#include <functional>

enum class TMouseButton { mbLeft, mbRight, mbMiddle };
using TShiftState = Qt::KeyboardModifiers;

using TNotifyEvent = std::function<void(QObject* Sender)>;
using TMouseEvent = std::function<void(QObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
// `Key` is the key's virtual key code (see Keys.h); a handler may clear it.
using TKeyEvent = std::function<void(QObject* Sender, int& Key, TShiftState Shift)>;

// Calls `slot` with the remaining arguments when it is set. This is the one
// path by which Qt reaches our handlers (events, timer ticks, signals): an
// exception never unwinds through Qt's frames, it goes to the application's
// error handler and the program goes on.
template <class Slot, class... Args>
void Raise(const Slot& slot, Args&&... args) noexcept
{
    if (slot)
        platform::CallGuarded([&] { slot(std::forward<Args>(args)...); });
}

// Binds a screen's handler to a control's slot or a timer:
//   kivReadNext->OnClick = Bind(this, &TbjzReadForm::kivReadNextClick);
// The control raises the slot through Raise, so whatever the handler throws
// goes to the application's error handler.
template <class Form, class Method>
auto Bind(Form* form, Method method)
{
    return [form, method](auto&&... args) { (form->*method)(std::forward<decltype(args)>(args)...); };
}

// A handler for a Qt signal connection that calls `handler` on the guarded
// path: connect(button, &QPushButton::clicked, this, Guarded([this] { ... })).
template <class Handler>
auto Guarded(Handler handler)
{
    return [handler = std::move(handler)](auto&&...) noexcept { platform::CallGuarded(handler); };
}
