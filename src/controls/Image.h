#pragma once
// Picture controls. A TImage draws its picture at its top-left corner and is
// see-through where it has none, so an empty picture button lets the painted
// background show; its rectangle is its hot area either way.

#include "Events.h"
#include "HoverNotifying.h"
#include "Layout.h"

#include <QImage>
#include <functional>
#include <memory>
#include <QWidget>

// A picture held by a control. Assigning copies the picture (the image data
// is shared until either side changes), never a reference to the other
// control: later changes to the source do not reach the copy.
//
// A picture can also be made from a decoder that runs the first time the
// picture is looked at (painted, compared): a screen's pictures are then
// decoded when it is first shown, not when it is created. Copies share that
// one decoding. GUI thread only.
class TPicture {
public:
    TPicture() = default;
    explicit TPicture(QImage image) : image_(std::move(image)) {}
    static TPicture Deferred(std::function<QImage()> decode);
    void Assign(const TPicture& other) { *this = other; }
    void Clear() { *this = TPicture(); }
    bool Empty() const { return Image().isNull(); }
    const QImage& Image() const;
    bool operator==(const TPicture& other) const { return Image() == other.Image(); }

private:
    struct Pending {
        std::function<QImage()> decode;
        QImage image;
    };
    QImage image_;
    std::shared_ptr<Pending> pending_;
};

class TImage : public QWidget {
    Q_OBJECT
public:
    TImage(QWidget* parent, const LayoutRect& place);

    const TPicture& Picture() const { return picture_; }
    // Takes a copy of `picture` and repaints.
    void SetPicture(const TPicture& picture);
    bool Visible() const { return isVisibleTo(parentWidget()); }
    void SetVisible(bool visible) { setVisible(visible); }
    void SetHandCursor() { setCursor(Qt::PointingHandCursor); }
    void SetHint(const QString& hint) { setToolTip(hint); }
    // Raises what a left click in the middle of the control raises:
    // mouse-down, click, mouse-up, each on the guarded path.
    void Click();

    TNotifyEvent OnClick;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    TPicture picture_;
    bool pressed_ = false;
};

// A picture button that also tells when the pointer enters and leaves it.
// Its face is painted, so a screen reader learns what it is only from what
// the screen tells it (see Accessibility.h).
class TkivImage1 : public HoverNotifying<TImage> {
public:
    using HoverNotifying::HoverNotifying;

    // `caption`: the words on the button's face, as the learner reads them.
    // `key`: the key that does the same on this screen, spelled as the
    // screens' key help spells it ("Esc", "PageDown", "Ctrl+S"); empty when
    // no key does.
    void SetAccessibleCaption(const QString& caption, const QString& key = QString());
};

// Translations shared by the controls that report mouse events.
TMouseButton ToMouseButton(Qt::MouseButton button);
