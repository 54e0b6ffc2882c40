#pragma once
// The dictation's layout: the lesson and sentence numbers in the title band,
// the Chinese translation in a well, the typing area on a ruled paper card,
// the five help switches beneath it and the commands on the foot band. The
// navigation buttons wear the chooser's practice-button faces (120 x 44);
// the replay button and the switches have no picture of their own when on:
// the background's painted faces show through them.

#include "controls/Layout.h"

namespace bjzTypeSenLayout {

inline constexpr int Width = 800;
inline constexpr int Height = 600;
inline constexpr const char* Title = "句子听写";

// Title band: "第 [Lesson] 课   第 [LessonSentence] 句   共 [TotalSentence] 句".
inline constexpr LayoutRect Lesson{274, 15, 56, 32};
inline constexpr LayoutRect LessonSentence{414, 15, 56, 32};
inline constexpr LayoutRect TotalSentence{554, 15, 56, 32};
using Caption = LayoutCaption;
inline constexpr Caption BandCaptions[] = {{{246, 15, 28, 32}, "第"}, {{330, 15, 28, 32}, "课"},
                                           {{386, 15, 28, 32}, "第"}, {{470, 15, 28, 32}, "句"},
                                           {{526, 15, 28, 32}, "共"}, {{610, 15, 28, 32}, "句"}};

// The translation, in a well of its own.
inline constexpr LayoutRect Chinese{64, 80, 672, 58};

// The typing area: its width is the one typed lines wrap at. The sentence to
// copy lies at the same place, under the typed text.
inline constexpr LayoutRect EnglishInput{80, 166, 640, 222};
inline constexpr LayoutRect English{80, 166, 640, 222};
// The paper card under it, ruled every typed line.
inline constexpr LayoutRect Paper{64, 154, 672, 246};
inline constexpr int RuledLines = 7;
// The pixel size of the screen's sans face, in which the sentence is typed.
inline constexpr int TypedTextPixels = 24;

// The caret, the word-length underline and the helps at the word or caret.
inline constexpr int CaretWidth = 2;
inline constexpr int CaretHeight = 30;
inline constexpr int DownLineHeight = 2;
inline constexpr int HelpHeight = 33;
inline constexpr int FirstLetterHelpWidth = 137;
inline constexpr int OneWrongLetterWidth = 177;

// The help switches: on, the background's painted switch shows through an
// empty face; off, the button wears its own picture.
struct Switch {
    LayoutRect place;
    const char* caption;
    const char* hint;
    const char* offFace; // skin name of the switched-off face
};
inline constexpr Switch kivFirstLetterImage{
    {40, 424, 136, 40}, "F1 首字母", "F1", "bjzTypeSenForm/kivFirstLetterImage2"};
inline constexpr Switch kivWordLengthImage{
    {186, 424, 136, 40}, "F2 词长线", "F2", "bjzTypeSenForm/kivWordLengthImage2"};
inline constexpr Switch kivWrongToWordImage{
    {332, 424, 136, 40}, "F3 给整词", "F3", "bjzTypeSenForm/kivWrongToWordImage2"};
inline constexpr Switch kivSeeChineseImage{
    {478, 424, 136, 40}, "F4 看中文", "F4", "bjzTypeSenForm/kivSeeChineseImage2"};
inline constexpr Switch kivChaoXieImage1{{624, 424, 136, 40}, "F5 抄写", "F5", "bjzTypeSenForm/kivChaoXieImage2"};
inline constexpr Switch Switches[] = {kivFirstLetterImage, kivWordLengthImage, kivWrongToWordImage, kivSeeChineseImage,
                                      kivChaoXieImage1};

// Command buttons: caption, key hint.
struct Command {
    LayoutRect place;
    const char* caption;
    const char* hint;
};
// Replay rests on its face in the background and has no lit face.
inline constexpr Command AgainReadImage{{40, 508, 140, 44}, "重听", "'快捷键Enter'"};
inline constexpr Command NextSenImage{{192, 508, 120, 44}, "下一句", "快捷键'PageDown'"};
inline constexpr Command ReturnToChoiceImage{{640, 508, 120, 44}, "选课", "Esc"};
inline constexpr Command ReturnToMainImage{{656, 9, 120, 44}, "返回", "'Esc'"};
inline constexpr Command NavigationButtons[] = {NextSenImage, ReturnToChoiceImage, ReturnToMainImage};
// The flat band the command buttons and the key help sit on.
inline constexpr int FootBand = 494;
inline constexpr LayoutRect KeyHelp{40, 562, 720, 24};
inline constexpr const char* KeyHelpText =
    "Enter 重听　PageDown 下一句　Esc 选课　F1–F5 开关提示　打错三次显示整词";

inline constexpr const char* Background = "bjzTypeSenForm/Image1";
// The navigation buttons' resting face; they light with the chooser's.
inline constexpr const char* RestingFace = "bjzTypeSenForm/kivImage";

// Every picture the screen asks the skin for.
inline constexpr const char* Faces[] = {Background,
                                        RestingFace,
                                        kivFirstLetterImage.offFace,
                                        kivWordLengthImage.offFace,
                                        kivWrongToWordImage.offFace,
                                        kivSeeChineseImage.offFace,
                                        kivChaoXieImage1.offFace};

} // namespace bjzTypeSenLayout
