#pragma once
// Adds the mouse-up and key-up notifications to a list control: the control
// first handles the release itself (moving its selection), then the slot is
// called, so a handler sees the selection the learner left.

#include "Events.h"
#include "Image.h"
#include "Keys.h"

#include <QKeyEvent>
#include <QMouseEvent>

template <class Base>
class ReleaseNotifying : public Base {
public:
    using Base::Base;

    TMouseEvent OnMouseUp;
    TKeyEvent OnKeyUp;

protected:
    // Only the left button moves the selection; a release of any button is
    // still told, so a right click acts on the row already selected.
    void mousePressEvent(QMouseEvent* event) override
    {
        if (event->button() != Qt::LeftButton) {
            event->accept();
            return;
        }
        Base::mousePressEvent(event);
    }
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        Base::mouseReleaseEvent(event);
        const QPoint at = event->position().toPoint();
        Raise(OnMouseUp, this, ToMouseButton(event->button()), event->modifiers(), at.x(), at.y());
    }
    void keyReleaseEvent(QKeyEvent* event) override
    {
        Base::keyReleaseEvent(event);
        RaiseKeyUp(OnKeyUp, this, *event);
    }
};
