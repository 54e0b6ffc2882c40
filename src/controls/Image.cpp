#include "Image.h"

#include <QMouseEvent>
#include <QPainter>

TMouseButton ToMouseButton(Qt::MouseButton button)
{
    switch (button) {
    case Qt::RightButton: return TMouseButton::mbRight;
    case Qt::MiddleButton: return TMouseButton::mbMiddle;
    default: return TMouseButton::mbLeft;
    }
}

TPicture TPicture::Deferred(std::function<QImage()> decode)
{
    TPicture picture;
    picture.pending_ = std::make_shared<Pending>();
    picture.pending_->decode = std::move(decode);
    return picture;
}

const QImage& TPicture::Image() const
{
    if (!pending_)
        return image_;
    if (pending_->decode) {
        const std::function<QImage()> decode = std::move(pending_->decode);
        pending_->decode = nullptr;
        pending_->image = decode();
    }
    return pending_->image;
}

TImage::TImage(QWidget* parent, const LayoutRect& place) : QWidget(parent)
{
    setGeometry(place.Left, place.Top, place.Width, place.Height);
}

void TImage::SetPicture(const TPicture& picture)
{
    picture_.Assign(picture);
    update();
}

void TImage::paintEvent(QPaintEvent*)
{
    if (picture_.Empty())
        return;
    QPainter painter(this);
    painter.drawImage(0, 0, picture_.Image());
}

void TImage::Click()
{
    const QPoint middle = rect().center();
    Raise(OnMouseDown, this, TMouseButton::mbLeft, TShiftState(), middle.x(), middle.y());
    Raise(OnClick, this);
    Raise(OnMouseUp, this, TMouseButton::mbLeft, TShiftState(), middle.x(), middle.y());
}

void TImage::mousePressEvent(QMouseEvent* event)
{
    pressed_ = event->button() == Qt::LeftButton;
    const QPoint at = event->position().toPoint();
    Raise(OnMouseDown, this, ToMouseButton(event->button()), event->modifiers(), at.x(), at.y());
}

void TImage::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(at);
    pressed_ = false;
    // The click comes before the mouse-up, as with the platform's own controls.
    if (click)
        Raise(OnClick, this);
    Raise(OnMouseUp, this, ToMouseButton(event->button()), event->modifiers(), at.x(), at.y());
}

void TkivImage1::SetAccessibleCaption(const QString& caption, const QString& key)
{
    setAccessibleName(caption);
    setAccessibleDescription(key);
}
