#include "Edit.h"
#include "Keys.h"

#include <QKeyEvent>

TEdit::TEdit(QWidget* parent, const LayoutRect& place) : QLineEdit(parent)
{
    setGeometry(place.Left, place.Top, place.Width, place.Height);
    setFrame(false);
}

void TEdit::SetFont(const QString& family, int pixelHeight, bool bold)
{
    QFont face(family);
    face.setPixelSize(pixelHeight);
    face.setBold(bold);
    setFont(face);
}

void TEdit::keyPressEvent(QKeyEvent* event)
{
    int key = VirtualKeyOf(*event);
    const int pressed = key;
    Raise(OnKeyDown, this, key, event->modifiers());
    if (pressed != 0 && key == 0) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void TEdit::keyReleaseEvent(QKeyEvent* event)
{
    QLineEdit::keyReleaseEvent(event);
    RaiseKeyUp(OnKeyUp, this, *event);
}
