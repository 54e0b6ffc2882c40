#pragma once
// Word linking's layout: the lesson and sentence numbers and the return
// button in the title band, the Chinese translation beneath it, the rows of
// word pieces (placed by the rules, sentence/LinkWordRules.h), the answer
// line, and on the foot band the two switches and the command buttons. The
// command buttons rest on faces painted into the background and light with
// their own pictures; the switches show the shared marker while on.

#include "controls/Layout.h"

namespace LinkWordLayout {

inline constexpr int Width = 800;
inline constexpr int Height = 600;
inline constexpr const char* Title = "连词成句";

// Title band: "第 [Label1] 课   第 [Label2] 句".
inline constexpr LayoutRect Label1{274, 15, 56, 32};
inline constexpr LayoutRect Label2{414, 15, 56, 32};
using Caption = LayoutCaption;
inline constexpr Caption BandCaptions[] = {
    {{246, 15, 28, 32}, "第"}, {{330, 15, 28, 32}, "课"}, {{386, 15, 28, 32}, "第"}, {{470, 15, 28, 32}, "句"}};

// The translation, between the title band and the first row of pieces.
inline constexpr LayoutRect ChineseSentence{64, 70, 672, 54};
// The placed words. Its top is where the pieces must stop.
inline constexpr LayoutRect EnglishRightAnswer{51, 352, 707, 114};
inline constexpr int AnswerMargin = 10;

// The switches: a mark square at the left of the hot area and the caption
// beside it, both painted into the background; while a switch is on, the
// marker (one picture for both) covers the square.
struct Switch {
    LayoutRect place;
    const char* caption;
};
inline constexpr int MarkSize = 44;
inline constexpr Switch kivFaYinImage{{40, 508, 150, 44}, "听发音"};
inline constexpr Switch ChineseImage1{{202, 508, 150, 44}, "显示中文"};
inline constexpr Switch Switches[] = {kivFaYinImage, ChineseImage1};

// The command buttons: caption, the skin name of the lit face, the hint.
using Command = LayoutCommand;
inline constexpr Command kivNextSenImage{{456, 508, 120, 44}, "下一句", "LinkWordForm/NextSenImage2", "跳过这一句"};
inline constexpr Command kivImage13{{640, 508, 120, 44}, "选课", "LinkWordForm/ChoiceImage2", ""};
inline constexpr Command kivImage11{{656, 9, 120, 44}, "返回", "LinkWordForm/ReturnImage2", ""};
inline constexpr Command Commands[] = {kivNextSenImage, kivImage13, kivImage11};

// The flat band the switches and the command buttons sit on, and the line
// telling what to do, beneath them.
inline constexpr int FootBand = 484;
inline constexpr LayoutRect HelpLine{40, 562, 720, 24};
inline constexpr const char* HelpText = "按句子的顺序依次点击词块，点对的词会排进下面的答案栏";

inline constexpr const char* Background = "LinkWordForm/Image1";
inline constexpr const char* Marker = "LinkWordForm/ChineseImage2";

// Every picture the screen asks the skin for.
inline constexpr const char* Faces[] = {Background, Marker, kivNextSenImage.litFace, kivImage13.litFace,
                                        kivImage11.litFace};

} // namespace LinkWordLayout
