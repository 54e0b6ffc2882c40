#pragma once
// A vertical scroll bar that reports mouse presses and releases. The bar
// first does all of its own tracking (dragging the thumb, repeated scrolling
// while a button is held); only when the learner lets go are OnMouseDown and
// then OnMouseUp raised, so a handler sees the position the bar was left at.

#include "Events.h"
#include "Layout.h"

#include <QScrollBar>

class TkivScrollBar : public QScrollBar {
    Q_OBJECT
public:
    TkivScrollBar(QWidget* parent, const LayoutRect& place);

    int Position() const { return value(); }
    void SetPosition(int position) { setValue(position); }
    void SetRange(int min, int max) { setRange(min, max); }

    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TKeyEvent OnKeyUp;
    // Raised after the wheel has moved the bar.
    TNotifyEvent OnWheel;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    Qt::MouseButton pressedButton_ = Qt::NoButton;
};
