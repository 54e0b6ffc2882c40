#include "WordDrillParts.h"
#include "WordDrillLayout.h"
#include "controls/TwinFaces.h"
#include "platform/Fonts.h"

namespace word {

TLabel* PhoneticLabel(QWidget* parent, const LayoutRect& place, int pixelHeight, const QColor& colour)
{
    TLabel* label = CardLabel(parent, place, QString::fromUtf8(platform::kPhoneticFamily), pixelHeight, colour);
    label->adjustSize();
    return label;
}

void ShowPhonetic(const TLabel& leftBracket, TLabel& phonetic, TLabel& rightBracket, const QString& text, bool shown)
{
    phonetic.SetCaption(text);
    phonetic.adjustSize();
    phonetic.SetVisible(shown);
    rightBracket.move(leftBracket.x() + phonetic.width() + WordDrillLayout::BracketGap, rightBracket.y());
}

Toggle MakeToggle(QWidget* parent, const LayoutToggle& layout)
{
    TImage* onFace = HiddenSkinPicture(parent, layout.place, layout.onFace);
    return {PictureButton(parent, layout.place, layout.hint), onFace};
}

void ShowToggle(const Toggle& toggle, bool on, const TImage& empty)
{
    toggle.button->SetPicture(on ? toggle.onFace->Picture() : empty.Picture());
}

bool FlipToggle(std::uint8_t& flag, const Toggle& toggle, const TImage& empty)
{
    flag = flag == 1 ? 0 : 1;
    ShowToggle(toggle, flag == 1, empty);
    return flag == 1;
}

std::optional<int> PressStepper(TLabel& number, int step, NumberRange range, QWidget& pressed, QWidget& other)
{
    const NumberStep moved = StepNumber(StrToInt(number.Caption()), step, range);
    if (!moved.moved) {
        pressed.setEnabled(false);
        return std::nullopt;
    }
    number.SetCaption(QString::number(moved.value));
    other.setEnabled(true);
    return moved.value;
}

TkivImage1* MakeCommand(QWidget* parent, const LayoutCommand& layout, const TImage& empty, TImage** litFace)
{
    TImage* lit = HiddenSkinPicture(parent, layout.place, layout.litFace);
    TkivImage1* button = PictureButton(parent, layout.place, layout.hint);
    BindOwnTwinFaces(*button, *lit, empty);
    if (litFace)
        *litFace = lit;
    return button;
}

TLabel* CardLabel(QWidget* parent, const LayoutRect& place, const QString& family, int pixelHeight,
                  const QColor& colour, bool wrap)
{
    auto* label = new TLabel(parent, place);
    label->SetFont(family, pixelHeight);
    label->SetColor(colour);
    label->SetTransparent(true);
    label->setWordWrap(wrap);
    return label;
}

} // namespace word
