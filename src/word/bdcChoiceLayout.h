#pragma once
// The word list's layout: the group's words on a dark card with its scroll
// bar on the left, the group numbers, the column switches and play-all on
// the right, the book picker and the four drills on the foot band, and the
// return button in the title band. Buttons have no picture at rest: the
// background's painted faces show through them, and each lights with its
// own picture.

#include "controls/Layout.h"
#include "word/WordListRules.h"

namespace bdcChoiceLayout {

inline constexpr int Width = 800;
inline constexpr int Height = 600;
inline constexpr const char* Title = "单词训练";

// The list's card and its scroll bar. The highlight bar is wider than the
// card and starts left of it, so the card's edges cut it.
inline constexpr LayoutRect Panel1{28, 78, 497, 410};
inline constexpr LayoutRect kivWordScrollBar{531, 78, 20, 410};
inline constexpr LayoutRect LineShape{-11, 0, 528, 35};
inline constexpr int EnglishLabelLeft = 5;
inline constexpr int EnglishLabelWidth = 255;
inline constexpr int ChineseLabelLeft = 260;
inline constexpr int ChineseLabelWidth = 300;
inline constexpr int RowLabelHeight = 25;
inline constexpr int RowTextPixels = 21;

// The numbers on the right: a caption on the left of each line, the number
// (between its "-" and "+" where it can be changed) on the right.
struct NumberLine {
    LayoutRect caption;
    const char* text;
    LayoutRect number;
};
inline constexpr NumberLine TotalZuLine{{572, 80, 110, 32}, "共有组数", {690, 80, 52, 32}};
inline constexpr NumberLine ZuLine{{572, 128, 70, 32}, "第几组", {690, 128, 52, 32}};
inline constexpr NumberLine OneZuLine{{572, 176, 70, 32}, "每组词数", {690, 176, 52, 32}};
inline constexpr NumberLine ThisZuLine{{572, 224, 110, 32}, "本组词数", {690, 224, 52, 32}};
inline constexpr NumberLine WordPosLine{{572, 272, 110, 32}, "当前单词", {690, 272, 52, 32}};
inline constexpr NumberLine NumberLines[] = {TotalZuLine, ZuLine, OneZuLine, ThisZuLine, WordPosLine};
// The numbers that are shown in a well, between their buttons.
inline constexpr LayoutRect SteppedNumbers[] = {ZuLine.number, OneZuLine.number};
inline constexpr LayoutRect DownZuButton{652, 128, 32, 32};
inline constexpr LayoutRect UpZuButton{748, 128, 32, 32};
inline constexpr LayoutRect DownWordButton{652, 176, 32, 32};
inline constexpr LayoutRect UpWordButton{748, 176, 32, 32};

// The column switches: on, the background shows; off wears its own face.
using Switch = LayoutSwitch;
inline constexpr Switch EnglishDisplayImage1{{572, 330, 100, 40}, "英文", "bdcChoiceForm/Image3"};
inline constexpr Switch ChineseDisplayImage1{{680, 330, 100, 40}, "中文", "bdcChoiceForm/Image4"};
inline constexpr Switch Switches[] = {EnglishDisplayImage1, ChineseDisplayImage1};

using Command = LayoutCommand;
inline constexpr Command kivPlayImage1{{572, 392, 100, 44}, "全部播放", "bdcChoiceForm/Image5", "从当前单词播放到本组最后"};
inline constexpr Command kivStopImage1{{680, 392, 100, 44}, "停止", "bdcChoiceForm/Image6", ""};
inline constexpr Command kivReturnImage1{{656, 9, 120, 44}, "返回", "bdcChoiceForm/kivReturnImage2", ""};
// The foot band's buttons: the book picker and the drills.
inline constexpr LayoutRect FootBand{0, 512, 800, 88};
inline constexpr Command kivBookImage1{{42, 526, 132, 44}, "选择词库", "bdcChoiceForm/kivBookImage2", ""};
inline constexpr Command kivReadImage1{{188, 526, 132, 44}, "跟读", "bdcChoiceForm/kivReadImage2", ""};
inline constexpr Command kivTypeImage1{{334, 526, 132, 44}, "打字练习", "bdcChoiceForm/kivTypeImage2", ""};
inline constexpr Command kivTestImage1{{480, 526, 132, 44}, "拼写测试", "bdcChoiceForm/kivTestImage2", ""};
inline constexpr Command kivEngToChiImage1{{626, 526, 132, 44}, "闪卡", "bdcChoiceForm/kivEngToChiImage2", ""};
inline constexpr Command Commands[] = {kivPlayImage1, kivStopImage1, kivReturnImage1, kivBookImage1,
                                       kivReadImage1, kivTypeImage1, kivTestImage1, kivEngToChiImage1};


inline constexpr const char* Background = "bdcChoiceForm/Image1";
inline constexpr const char* PanelPicture = "bdcChoiceForm/Image2";
inline constexpr const char* LinePicture = "bdcChoiceForm/LineShape";

// Every picture the screen asks the skin for.
inline constexpr const char* Faces[] = {Background,
                                        PanelPicture,
                                        LinePicture,
                                        EnglishDisplayImage1.offFace,
                                        ChineseDisplayImage1.offFace,
                                        kivPlayImage1.litFace,
                                        kivStopImage1.litFace,
                                        kivReturnImage1.litFace,
                                        kivBookImage1.litFace,
                                        kivReadImage1.litFace,
                                        kivTypeImage1.litFace,
                                        kivTestImage1.litFace,
                                        kivEngToChiImage1.litFace};

} // namespace bdcChoiceLayout
