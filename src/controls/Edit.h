#pragma once
// A one-line text field: the learner's answer or scratch line. Key-down
// handlers run before the field acts on the key, and one that sets Key to 0
// keeps the key from the field (an Enter that judges, an Esc that leaves).

#include "Events.h"
#include "Layout.h"

#include <QLineEdit>

class TEdit : public QLineEdit {
    Q_OBJECT
public:
    TEdit(QWidget* parent, const LayoutRect& place);

    QString Text() const { return text(); }
    void SetText(const QString& text) { setText(text); }
    // Characters the field accepts at most.
    void SetMaxLength(int length) { setMaxLength(length); }
    // Font by family and character height in pixels.
    void SetFont(const QString& family, int pixelHeight, bool bold = false);
    bool Visible() const { return isVisibleTo(parentWidget()); }

    TKeyEvent OnKeyDown;
    TKeyEvent OnKeyUp;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
};
