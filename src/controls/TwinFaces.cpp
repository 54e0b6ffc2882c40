#include "TwinFaces.h"
#include "Labels.h"
#include "Look.h"
#include "Skin.h"

TImage* HiddenSkinPicture(QWidget* parent, const LayoutRect& place, const char* name)
{
    auto* image = new TImage(parent, place);
    image->SetPicture(SkinPicture(name));
    image->SetVisible(false);
    return image;
}

void BindOwnTwinFaces(TkivImage1& button, const TImage& twin, const TImage& empty)
{
    button.OnMouseEnter = [&button, &twin](QObject*) { button.SetPicture(twin.Picture()); };
    button.OnMouseLeave = [&button, &empty](QObject*) { button.SetPicture(empty.Picture()); };
}

void BindSharedFaces(TkivImage1& button, const TImage& resting, const TImage& highlighted)
{
    button.SetPicture(resting.Picture());
    button.OnMouseEnter = [&button, &highlighted](QObject*) { button.SetPicture(highlighted.Picture()); };
    button.OnMouseLeave = [&button, &resting](QObject*) { button.SetPicture(resting.Picture()); };
}

TkivImage1* CaptionedButton(QWidget* parent, const LayoutRect& place, const QString& caption)
{
    auto* button = new TkivImage1(parent, place);
    button->SetHandCursor();
    button->SetAccessibleCaption(caption);
    auto* label = new TLabel(parent, place, caption);
    label->SetFont(look::Kai(), 21, true);
    label->SetColor(look::Text.Q());
    label->SetTransparent(true);
    label->setAlignment(Qt::AlignCenter);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    return button;
}

TkivImage1* PictureButton(QWidget* parent, const LayoutRect& place, const char* hint)
{
    auto* button = new TkivImage1(parent, place);
    button->SetHandCursor();
    if (*hint)
        button->SetHint(QString::fromUtf8(hint));
    return button;
}
