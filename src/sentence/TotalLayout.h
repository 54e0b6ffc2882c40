#pragma once
// The whole-lesson player's layout: the lesson and sentence numbers in the
// title band, the lesson's text on a paper card with its scroll bar on the
// left, the display switches, the repeat count, the pause and the keys on
// the right, and the command buttons at the foot. The command buttons and
// the switches have no picture at rest: the background's painted faces show
// through them.

#include "controls/Layout.h"

namespace TotalLayout {

inline constexpr int Width = 800;
inline constexpr int Height = 600;
inline constexpr const char* Title = "整课播放";

using Caption = LayoutCaption;

// Title band: "第 [LessonLabel1] 课 [SenNumberLabel]    第 [SenLessonNum] 句".
inline constexpr LayoutRect LessonLabel1{268, 15, 52, 32};
inline constexpr LayoutRect SenNumberLabel{348, 15, 72, 32};
inline constexpr LayoutRect SenLessonNum{468, 15, 52, 32};
inline constexpr Caption BandCaptions[] = {
    {{240, 15, 28, 32}, "第"}, {{320, 15, 28, 32}, "课"}, {{440, 15, 28, 32}, "第"}, {{520, 15, 28, 32}, "句"}};

// The text card (its height is the one the rows that fit are measured
// against) and its scroll bar.
inline constexpr LayoutRect Panel1{30, 108, 465, 358};
inline constexpr LayoutRect kivScrollBar1{503, 108, 20, 358};
// The sentence labels inside the card.
inline constexpr int SenLabelLeft = 3;
inline constexpr int SenLabelWidth = 460;

// The display switches: on, the background shows; off wears its own face.
using Switch = LayoutSwitch;
inline constexpr Switch EnglishDisplay{{552, 108, 107, 40}, "英文", "TotalForm/English2"};
inline constexpr Switch ChineseDisplay{{669, 108, 107, 40}, "中文", "TotalForm/chinese2"};
inline constexpr Switch Switches[] = {EnglishDisplay, ChineseDisplay};

// Repeat count and pause: a caption over "-" [number] "+".
inline constexpr LayoutRect SpeedButton2{596, 208, 36, 36};
inline constexpr LayoutRect ReadCountLabel{638, 208, 52, 36};
inline constexpr LayoutRect SpeedButton1{696, 208, 36, 36};
inline constexpr LayoutRect SpeedButton3{596, 304, 36, 36};
inline constexpr LayoutRect SenToSenLabel{638, 304, 52, 36};
inline constexpr LayoutRect SpeedButton4{696, 304, 36, 36};

inline constexpr Caption AreaCaptions[] = {
    {{30, 76, 465, 26}, "课文 · 点一下英文句子就能听"},
    {{552, 76, 224, 26}, "显示"},
    {{552, 176, 224, 26}, "每句遍数"},
    {{552, 272, 224, 26}, "间隔（秒）"},
    {{552, 364, 224, 26}, "按键"},
};

// The keys, told in the right column.
struct KeyLine {
    LayoutRect place;
    const char* key;
    const char* meaning;
};
inline constexpr KeyLine KeyLines[] = {
    {{552, 396, 224, 22}, "空格", "播放 / 停止"},
    {{552, 420, 224, 22}, "↑ ↓ PgUp PgDn", "翻看课文"},
    {{552, 444, 224, 22}, "Esc", "返回选课"},
};

// The command buttons: each rests on the background's face and lights with
// its own picture.
using Command = LayoutCommand;
inline constexpr Command kivSenPlay{{30, 506, 120, 44}, "播放", "TotalForm/PlayImage2", "按空格键开始或停止"};
inline constexpr Command kivSenStop{{162, 506, 120, 44}, "停止", "TotalForm/StopImage2", ""};
inline constexpr Command kivChoiceImage1{{656, 506, 120, 44}, "选课", "TotalForm/choiceImage2", ""};
inline constexpr Command ReturnImage11{{656, 9, 120, 44}, "返回", "TotalForm/returnImage2", "按Esc键返回"};
inline constexpr Command Commands[] = {kivSenPlay, kivSenStop, kivChoiceImage1, ReturnImage11};

inline constexpr const char* Background = "TotalForm/Image1";
inline constexpr const char* SenWin = "TotalForm/SenWin";

// Every picture the screen asks the skin for.
inline constexpr const char* Faces[] = {Background,
                                        SenWin,
                                        EnglishDisplay.offFace,
                                        ChineseDisplay.offFace,
                                        kivSenPlay.litFace,
                                        kivSenStop.litFace,
                                        kivChoiceImage1.litFace,
                                        ReturnImage11.litFace};

} // namespace TotalLayout
