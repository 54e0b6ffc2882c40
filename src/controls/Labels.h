#pragma once
// Text controls: the plain label and the three kiv variants that add a paint
// notification or pointer enter/leave notifications.

#include "Events.h"
#include "HoverNotifying.h"
#include "Layout.h"

#include <QColor>
#include <QFont>
#include <QLabel>

class QPainter;

// A label: caption, font, colour, optionally transparent and word-wrapped.
class TLabel : public QLabel {
    Q_OBJECT
public:
    TLabel(QWidget* parent, const LayoutRect& place, const QString& caption = QString());

    QString Caption() const { return text(); }
    void SetCaption(const QString& caption) { setText(caption); }
    // Font by family and character height in pixels.
    void SetFont(const QString& family, int pixelHeight, bool bold = false);
    void SetColor(const QColor& text);
    // A non-transparent label fills its rectangle with `background`.
    void SetTransparent(bool transparent, const QColor& background = QColor());
    bool Visible() const { return isVisibleTo(parentWidget()); }
    void SetVisible(bool visible) { setVisible(visible); }

    TNotifyEvent OnClick;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool pressed_ = false;
};

// A number in a caption (a count, a lesson number): bold sans, centred,
// transparent.
TLabel* NumberLabel(QWidget* parent, const LayoutRect& place, const QString& caption, const QColor& colour);

// A label that, after painting itself as a plain label, lets its owner draw
// over it through Canvas().
class TkivLabel : public TLabel {
    Q_OBJECT
public:
    using TLabel::TLabel;

    // The label's painter; valid only while OnPaint runs.
    QPainter* Canvas() const { return canvas_; }

    TNotifyEvent OnPaint;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPainter* canvas_ = nullptr;
};

// A label that tells when the pointer enters and leaves it.
class TkivLabel2 : public HoverNotifying<TLabel> {
public:
    using HoverNotifying::HoverNotifying;
};

// A framed static text that tells when the pointer enters and leaves it.
class TkivStaticText : public HoverNotifying<TLabel> {
public:
    TkivStaticText(QWidget* parent, const LayoutRect& place, const QString& caption = QString());
};
