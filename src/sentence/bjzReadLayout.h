#pragma once
// The read-along's layout: the lesson and sentence numbers in the title band,
// the current sentence on a large card, the display and mode switches, the
// repeat count and pause beneath it, and the command buttons at the foot.
// The command buttons wear the chooser's practice-button faces (120 x 44).

#include "controls/Layout.h"

namespace bjzReadLayout {

inline constexpr int Width = 800;
inline constexpr int Height = 600;
inline constexpr const char* Title = "句子跟读";

// Title band: "第 [Lesson] 课   第 [NumberSen] 句".
inline constexpr LayoutRect Lesson{274, 15, 56, 32};
inline constexpr LayoutRect NumberSen{414, 15, 56, 32};
using Caption = LayoutCaption;
inline constexpr Caption BandCaptions[] = {
    {{246, 15, 28, 32}, "第"}, {{330, 15, 28, 32}, "课"}, {{386, 15, 28, 32}, "第"}, {{470, 15, 28, 32}, "句"}};

// The sentence card and the two texts on it.
inline constexpr LayoutRect Card{40, 86, 720, 250};
inline constexpr LayoutRect English{64, 104, 672, 112};
inline constexpr LayoutRect Chinese{64, 228, 672, 96};

// The switches: on faces are painted pictures, off shows the background.
struct Switch {
    LayoutRect place;
    const char* caption;
    const char* onFace; // skin name of the switched-on face
};
inline constexpr Switch EnglishDisplayImage1{{40, 370, 164, 40}, "显示英文", "bjzReadForm/EnglishDisplayImage2"};
inline constexpr Switch ChineseDisplayImage1{{214, 370, 164, 40}, "显示中文", "bjzReadForm/ChineseDisplayImage2"};
inline constexpr Switch EnglishReadImage1{{422, 370, 164, 40}, "读英文录音", "bjzReadForm/EnglishReadImage2"};
inline constexpr Switch ChineseReadImage1{{596, 370, 164, 40}, "读中文", "bjzReadForm/ChineseReadImage2"};
inline constexpr Switch Switches[] = {EnglishDisplayImage1, ChineseDisplayImage1, EnglishReadImage1,
                                      ChineseReadImage1};

// Repeat count and pause: "-" [number] "+" after a caption.
inline constexpr Caption SettingCaptions[] = {{{40, 430, 120, 36}, "每句遍数"}, {{422, 430, 120, 36}, "间隔（秒）"}};
inline constexpr LayoutRect ReadDown{166, 430, 36, 36};
inline constexpr LayoutRect bjzReadTime{204, 430, 52, 36};
inline constexpr LayoutRect ReadUp{258, 430, 36, 36};
inline constexpr LayoutRect DownTimer{548, 430, 36, 36};
inline constexpr LayoutRect SenAndSenTimer{586, 430, 52, 36};
inline constexpr LayoutRect UpTimer{640, 430, 36, 36};

// Command buttons: caption, key hint.
struct Command {
    LayoutRect place;
    const char* caption;
    const char* hint;
};
inline constexpr Command kivReadStart{{40, 508, 120, 44}, "开始", "'Ctrl+S'键开始"};
inline constexpr Command kivReadStop{{172, 508, 120, 44}, "暂停", "'Ctrl+D'键暂停"};
inline constexpr Command kivReadLast{{324, 508, 120, 44}, "上一句", "'PageUp'"};
inline constexpr Command kivReadNext{{456, 508, 120, 44}, "下一句", "'PageDown'"};
inline constexpr Command kivChoiceLesson{{640, 508, 120, 44}, "选课", "'Esc'"};
inline constexpr Command kivReturnToMain{{656, 9, 120, 44}, "返回", "'Esc'"};
inline constexpr Command Commands[] = {kivReadStart, kivReadStop, kivReadLast,
                                       kivReadNext,  kivChoiceLesson, kivReturnToMain};
// The flat band the command buttons and the key help sit on.
inline constexpr int FootBand = 494;
// The keys, told beneath the buttons.
inline constexpr LayoutRect KeyHelp{40, 562, 720, 24};
inline constexpr const char* KeyHelpText = "Ctrl+S 开始　Ctrl+D 暂停　PageUp 上一句　PageDown 下一句　Esc 选课";

inline constexpr const char* Background = "bjzReadForm/Image1";
inline constexpr const char* PressedFace = "bjzReadForm/kivPressImage";

// Every picture the screen asks the skin for.
inline constexpr const char* Faces[] = {Background,
                                        PressedFace,
                                        EnglishDisplayImage1.onFace,
                                        ChineseDisplayImage1.onFace,
                                        EnglishReadImage1.onFace,
                                        ChineseReadImage1.onFace};

} // namespace bjzReadLayout
