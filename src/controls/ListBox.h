#pragma once
// A list box of text items with a single selection.

#include "Events.h"
#include "Layout.h"
#include "ReleaseNotifying.h"

#include <QListWidget>

class TListBox : public ReleaseNotifying<QListWidget> {
public:
    TListBox(QWidget* parent, const LayoutRect& place);

    int Count() const { return count(); }
    QString Item(int index) const;
    void AddItem(const QString& text) { addItem(text); }
    void Clear() { clear(); }
    // The selected item, -1 when none.
    int ItemIndex() const { return currentRow(); }
    void SetItemIndex(int index);

    // Raised when the selection changes, by the mouse or the keyboard.
    TNotifyEvent OnClick;

protected:
    // A list without a selection keeps none when it takes the focus: only
    // the learner's click or key picks an item.
    void focusInEvent(QFocusEvent* event) override;
};
