#include "SpeedButton.h"
#include "Image.h"

#include <QMouseEvent>

TSpeedButton::TSpeedButton(QWidget* parent, const LayoutRect& place, const QString& caption) : QToolButton(parent)
{
    setText(caption);
    setAutoRaise(true);
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::PointingHandCursor);
    setGeometry(place.Left, place.Top, place.Width, place.Height);
    connect(this, &QToolButton::clicked, this, Guarded([this] { Raise(OnClick, this); }));
}

void TSpeedButton::mousePressEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    Raise(OnMouseDown, this, ToMouseButton(event->button()), event->modifiers(), at.x(), at.y());
    QToolButton::mousePressEvent(event);
}
