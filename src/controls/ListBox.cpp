#include "ListBox.h"
#include "Image.h"
#include "Keys.h"

#include <QKeyEvent>
#include <QMouseEvent>

TListBox::TListBox(QWidget* parent, const LayoutRect& place) : QListWidget(parent)
{
    setGeometry(place.Left, place.Top, place.Width, place.Height);
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(this, &QListWidget::currentRowChanged, this, [this](int) { Raise(OnClick, this); });
}

QString TListBox::Item(int index) const
{
    const QListWidgetItem* it = item(index);
    return it ? it->text() : QString();
}

void TListBox::SetItemIndex(int index)
{
    // Setting the selection from code raises no click.
    const QSignalBlocker quiet(this);
    setCurrentRow(index);
}

void TListBox::mouseReleaseEvent(QMouseEvent* event)
{
    QListWidget::mouseReleaseEvent(event);
    const QPoint at = event->position().toPoint();
    Raise(OnMouseUp, this, ToMouseButton(event->button()), event->modifiers(), at.x(), at.y());
}

void TListBox::keyReleaseEvent(QKeyEvent* event)
{
    QListWidget::keyReleaseEvent(event);
    int key = VirtualKeyOf(*event);
    Raise(OnKeyUp, this, key, event->modifiers());
}
