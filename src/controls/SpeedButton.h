#pragma once
// A small flat button with a caption ("+", "-"). It never takes the keyboard
// focus, so the screen's keys keep working after it was pressed.

#include "Events.h"
#include "Layout.h"

#include <QToolButton>

class TSpeedButton : public QToolButton {
    Q_OBJECT
public:
    TSpeedButton(QWidget* parent, const LayoutRect& place, const QString& caption);

    // Raised on the press of any mouse button, before the click.
    TMouseEvent OnMouseDown;
    // Raised when the left button is let go over the button.
    TNotifyEvent OnClick;

protected:
    void mousePressEvent(QMouseEvent* event) override;
};
