#pragma once
// Pieces the word drills share: the phonetic row with its brackets, the
// toggles that wear their "on" face, and the command buttons that light
// with their own face.

#include "controls/Image.h"
#include "controls/Labels.h"
#include "controls/Layout.h"
#include "controls/Numbers.h"

#include <cstdint>
#include <optional>

namespace word {

// A label in the phonetic font that sizes itself to its text.
TLabel* PhoneticLabel(QWidget* parent, const LayoutRect& place, int pixelHeight, const QColor& colour);
// Shows `text` in `phonetic` (visible or not) and puts the closing bracket
// 12 pixels past the phonetic's width from the opening bracket, whether or
// not the phonetic is shown.
void ShowPhonetic(const TLabel& leftBracket, TLabel& phonetic, TLabel& rightBracket, const QString& text, bool shown);

// A toggle's button and its hidden "on" face.
struct Toggle {
    TkivImage1* button;
    TImage* onFace;
};
Toggle MakeToggle(QWidget* parent, const LayoutToggle& layout);
// The toggle wears its "on" face while on, the empty picture while off.
void ShowToggle(const Toggle& toggle, bool on, const TImage& empty);
// Flips `flag` (1 on, 0 off) and shows the toggle's face for it; true when
// it is now on.
bool FlipToggle(std::uint8_t& flag, const Toggle& toggle, const TImage& empty);

// A "+" or "-" press on the number `number` shows: at the limit it disables
// the pressed button; otherwise it moves the number and enables the other
// button. Returns the number afterwards, or none when it stood at the limit.
std::optional<int> PressStepper(TLabel& number, int step, NumberRange range, QWidget& pressed, QWidget& other);

// A command button resting on the background's face, lit with its own
// picture (made hidden in `litFace`) while the pointer is over it.
TkivImage1* MakeCommand(QWidget* parent, const LayoutCommand& layout, const TImage& empty, TImage** litFace = nullptr);

// A label shown on the drill's card.
TLabel* CardLabel(QWidget* parent, const LayoutRect& place, const QString& family, int pixelHeight,
                  const QColor& colour, bool wrap = false);

} // namespace word
