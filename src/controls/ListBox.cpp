#include "ListBox.h"

TListBox::TListBox(QWidget* parent, const LayoutRect& place) : ReleaseNotifying(parent)
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

void TListBox::focusInEvent(QFocusEvent* event)
{
    const int before = currentRow();
    {
        const QSignalBlocker quiet(this);
        ReleaseNotifying::focusInEvent(event);
        if (before < 0 && currentRow() >= 0)
            setCurrentRow(-1);
    }
}
