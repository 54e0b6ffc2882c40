#pragma once
// Adds the pointer enter and leave notifications to a control: the control's
// own handling of the platform notification runs first, then the slot.

#include "Events.h"

#include <QEnterEvent>

template <class Base>
class HoverNotifying : public Base {
public:
    using Base::Base;

    TNotifyEvent OnMouseLeave;
    TNotifyEvent OnMouseEnter;

protected:
    void enterEvent(QEnterEvent* event) override
    {
        Base::enterEvent(event);
        Raise(OnMouseEnter, this);
    }
    void leaveEvent(QEvent* event) override
    {
        Base::leaveEvent(event);
        Raise(OnMouseLeave, this);
    }
};
