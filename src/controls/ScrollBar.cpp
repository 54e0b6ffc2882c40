#include "ScrollBar.h"
#include "Image.h"
#include "Keys.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>

TkivScrollBar::TkivScrollBar(QWidget* parent, const LayoutRect& place) : QScrollBar(Qt::Vertical, parent)
{
    setGeometry(place.Left, place.Top, place.Width, place.Height);
    // Qt's own menu ("Scroll here", "Top", ...) would move the bar without the
    // release the screens redraw on, leaving their text behind the bar.
    setContextMenuPolicy(Qt::NoContextMenu);
}

void TkivScrollBar::mousePressEvent(QMouseEvent* event)
{
    pressedButton_ = event->button();
    QScrollBar::mousePressEvent(event);
}

void TkivScrollBar::mouseReleaseEvent(QMouseEvent* event)
{
    QScrollBar::mouseReleaseEvent(event);
    if (pressedButton_ != event->button())
        return;
    pressedButton_ = Qt::NoButton;
    const QPoint at = event->position().toPoint();
    const TMouseButton button = ToMouseButton(event->button());
    Raise(OnMouseDown, this, button, event->modifiers(), at.x(), at.y());
    Raise(OnMouseUp, this, button, event->modifiers(), at.x(), at.y());
}

void TkivScrollBar::keyReleaseEvent(QKeyEvent* event)
{
    QScrollBar::keyReleaseEvent(event);
    RaiseKeyUp(OnKeyUp, this, *event);
}

void TkivScrollBar::wheelEvent(QWheelEvent* event)
{
    const int before = value();
    QScrollBar::wheelEvent(event);
    if (value() != before)
        Raise(OnWheel, this);
}
