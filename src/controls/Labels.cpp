#include "Labels.h"
#include "Image.h"
#include "Look.h"

#include <QMouseEvent>
#include <QPainter>

TLabel::TLabel(QWidget* parent, const LayoutRect& place, const QString& caption) : QLabel(caption, parent)
{
    setGeometry(place.Left, place.Top, place.Width, place.Height);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextFormat(Qt::PlainText);
}

void TLabel::SetFont(const QString& family, int pixelHeight, bool bold)
{
    QFont f(family);
    f.setPixelSize(pixelHeight);
    f.setBold(bold);
    setFont(f);
}

void TLabel::SetColor(const QColor& text)
{
    QPalette p = palette();
    p.setColor(QPalette::WindowText, text);
    setPalette(p);
}

void TLabel::SetTransparent(bool transparent, const QColor& background)
{
    setAutoFillBackground(!transparent);
    if (!transparent) {
        QPalette p = palette();
        p.setColor(QPalette::Window, background);
        setPalette(p);
    }
}

void TLabel::mousePressEvent(QMouseEvent* event)
{
    QLabel::mousePressEvent(event);
    pressed_ = event->button() == Qt::LeftButton;
    const QPoint at = event->position().toPoint();
    Raise(OnMouseDown, this, ToMouseButton(event->button()), event->modifiers(), at.x(), at.y());
}

void TLabel::mouseReleaseEvent(QMouseEvent* event)
{
    QLabel::mouseReleaseEvent(event);
    const QPoint at = event->position().toPoint();
    const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(at);
    pressed_ = false;
    // The click comes before the mouse-up, as with the picture controls.
    if (click)
        Raise(OnClick, this);
    Raise(OnMouseUp, this, ToMouseButton(event->button()), event->modifiers(), at.x(), at.y());
}

void TkivLabel::paintEvent(QPaintEvent* event)
{
    TLabel::paintEvent(event);
    if (!OnPaint)
        return;
    QPainter painter(this);
    canvas_ = &painter;
    Raise(OnPaint, this);
    canvas_ = nullptr;
}

TkivStaticText::TkivStaticText(QWidget* parent, const LayoutRect& place, const QString& caption)
    : HoverNotifying(parent, place, caption)
{
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
}

TLabel* NumberLabel(QWidget* parent, const LayoutRect& place, const QString& caption, const QColor& colour)
{
    auto* label = new TLabel(parent, place, caption);
    label->SetFont(look::Sans(), 22, true);
    label->SetColor(colour);
    label->SetTransparent(true);
    label->setAlignment(Qt::AlignCenter);
    return label;
}
