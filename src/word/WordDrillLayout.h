#pragma once
// Layouts of the word drills: read-along, spelling test, typing drill and
// flash cards. They share one arrangement: the word's number in the title
// band, a card holding the English word, its phonetic in brackets and its
// meaning, the answer field beneath the card, the toggles and settings on
// a row below, and the buttons on the foot band. Toggles have their "off"
// face painted into the background and wear their "on" face while on;
// command buttons rest on painted faces and light with their own.

#include "controls/Layout.h"

namespace WordDrillLayout {

inline constexpr int Width = 800;
inline constexpr int Height = 600;

// Title band: "第 [this] 个 [total]".
inline constexpr LayoutRect ThisNumber{276, 15, 56, 32};
inline constexpr LayoutRect TotalNumber{360, 15, 100, 32};
inline constexpr LayoutCaption BandCaptions[] = {{{248, 15, 28, 32}, "第"}, {{332, 15, 28, 32}, "个"}};

inline constexpr LayoutRect Card{40, 78, 720, 214};
inline constexpr LayoutRect EnglishWord{64, 94, 672, 52};
// The phonetic row: "[" at its left, the phonetic after it, "]" following
// the phonetic's width.
inline constexpr LayoutRect LeftBracket{64, 156, 14, 34};
inline constexpr LayoutRect Phonetic{72, 156, 0, 34};
inline constexpr int PhoneticPixels = 24;
inline constexpr int BracketGap = 12;
inline constexpr LayoutRect Meaning{64, 200, 672, 80};
inline constexpr int MeaningPixels = 27;

// The answer field and the help beneath it.
inline constexpr LayoutRect Answer{64, 312, 672, 48};
inline constexpr LayoutRect AnswerWell{40, 304, 720, 64};
inline constexpr LayoutRect Help{64, 372, 672, 40};
inline constexpr int AnswerPixels = 32;

inline constexpr int ToggleRow = 424;
inline constexpr LayoutRect FootBand{0, 494, 800, 106};
inline constexpr LayoutRect KeyHelp{40, 562, 720, 24};
inline constexpr LayoutRect ReturnInBand{656, 9, 120, 44};
inline constexpr LayoutRect LeaveOnFoot{640, 508, 120, 44};

} // namespace WordDrillLayout

namespace bdcTypeLayout {
using namespace WordDrillLayout;
inline constexpr const char* Title = "打字练习";
inline constexpr LayoutToggle kivFaYinImage1{{40, ToggleRow, 130, 40}, "发音", "bdcTypeForm/kivFaYinImage2", ""};
inline constexpr LayoutToggle kivYinBiaoImage1{{180, ToggleRow, 130, 40}, "音标", "bdcTypeForm/kivYinBiaoImage2", ""};
inline constexpr LayoutToggle kivCiYIImage1{{320, ToggleRow, 130, 40}, "词义", "bdcTypeForm/kivCiYiImage2", ""};
inline constexpr LayoutToggle Toggles[] = {kivFaYinImage1, kivYinBiaoImage1, kivCiYIImage1};
inline constexpr LayoutCommand kivEarImage1{{40, 508, 120, 44}, "再听一遍", "bdcTypeForm/kivEarImage2", "F5"};
inline constexpr LayoutCommand ChoiceWord{LeaveOnFoot, "返回词表", "bdcTypeForm/CImage2", "Esc"};
inline constexpr LayoutCommand ReturnWord{ReturnInBand, "返回", "bdcTypeForm/RImage2", "Esc"};
inline constexpr LayoutCommand Commands[] = {kivEarImage1, ChoiceWord, ReturnWord};
inline constexpr const char* KeyHelpText = "Enter 判断　F5 再听一遍　Esc 返回词表";
inline constexpr const char* Help = "打错了";
inline constexpr const char* Background = "bdcTypeForm/Image1";
inline constexpr const char* Faces[] = {Background,          kivFaYinImage1.onFace, kivYinBiaoImage1.onFace,
                                        kivCiYIImage1.onFace, kivEarImage1.litFace,  ChoiceWord.litFace,
                                        ReturnWord.litFace};
} // namespace bdcTypeLayout

namespace bdcTestLayout {
using namespace WordDrillLayout;
inline constexpr const char* Title = "拼写测试";
// "错误数：[WrongLabel]" on the right of the title band's numbers.
inline constexpr LayoutCaption WrongCaption{{470, 15, 96, 32}, "错误数："};
inline constexpr LayoutRect WrongLabel{566, 15, 56, 32};
// The correct word after a wrong answer, with the help after it, on the
// card under the phonetic.
inline constexpr LayoutRect AnswerLabel{64, 224, 0, 44};
inline constexpr LayoutRect HelpLabel{64, 228, 672, 40};
inline constexpr int HelpGap = 20;
inline constexpr LayoutToggle kivFaYInImage1{{40, ToggleRow, 130, 40}, "发音", "bdcTestForm/kivFaYinImage2", "F2"};
inline constexpr LayoutToggle kivCiYIImage1{{180, ToggleRow, 130, 40}, "词义", "bdcTestForm/kivCiYIImage2", "F3"};
inline constexpr LayoutToggle kivYinBiaoImage1{{320, ToggleRow, 130, 40}, "音标", "bdcTestForm/kivYinBiaoImage2", "F4"};
inline constexpr LayoutToggle Toggles[] = {kivFaYInImage1, kivCiYIImage1, kivYinBiaoImage1};
inline constexpr LayoutCommand kivEarImage1{{40, 508, 120, 44}, "再听一遍", "bdcTestForm/kivEarImage2", "F5"};
inline constexpr LayoutCommand kivZuImage1{LeaveOnFoot, "返回词表", "bdcTestForm/zuImage2", "Esc"};
inline constexpr LayoutCommand kivReturnImage1{ReturnInBand, "返回", "bdcTestForm/ReturnImage2", "Esc"};
inline constexpr LayoutCommand Commands[] = {kivEarImage1, kivZuImage1, kivReturnImage1};
inline constexpr const char* KeyHelpText = "Enter 判断　F5 再听一遍　Esc 返回词表";
inline constexpr const char* Background = "bdcTestForm/Image1";
inline constexpr const char* Faces[] = {Background,           kivFaYInImage1.onFace, kivCiYIImage1.onFace,
                                        kivYinBiaoImage1.onFace, kivEarImage1.litFace, kivZuImage1.litFace,
                                        kivReturnImage1.litFace};
} // namespace bdcTestLayout

namespace bdcTestFinishLayout {
inline constexpr int Width = 401;
inline constexpr int Height = 301;
inline constexpr LayoutRect WrongLabel{150, 84, 100, 64};
inline constexpr LayoutRect ContinueButton{48, 172, 305, 41};
inline constexpr LayoutRect ReturnButton{48, 228, 305, 41};
inline constexpr const char* Headline = "本轮拼错的单词";
inline constexpr const char* ContinueCaption = "再测拼错的词";
inline constexpr const char* ReturnCaption = "返回词表";
inline constexpr const char* Background = "bdcTestFinishForm/Image1";
inline constexpr const char* CImage2 = "bdcTestFinishForm/CImage2";
inline constexpr const char* ReImage2 = "bdcTestFinishForm/ReImage2";
inline constexpr const char* Faces[] = {Background, CImage2, ReImage2};
} // namespace bdcTestFinishLayout

namespace YouRememberLayout {
inline constexpr int Width = 402;
inline constexpr int Height = 268;
inline constexpr const char* Headline = "全部拼对了！";
inline constexpr const char* Picture = "YouRememberForm/Image1";
inline constexpr const char* Faces[] = {Picture};
} // namespace YouRememberLayout

namespace bdcReadLayout {
using namespace WordDrillLayout;
inline constexpr const char* Title = "单词跟读";
// "第 [ThisWordLabel] 个  共 [TotalLabel]".
inline constexpr LayoutCaption TotalCaption{{372, 15, 28, 32}, "共"};
inline constexpr LayoutRect TotalLabel{400, 15, 56, 32};
inline constexpr LayoutToggle kivYinBiaoImage1{{40, ToggleRow, 100, 40}, "音标", "bdcReadForm/kivYInBiaoImage2", ""};
inline constexpr LayoutToggle kivCiYIImage1{{148, ToggleRow, 100, 40}, "词义", "bdcReadForm/kivCiYiImage2", ""};
inline constexpr LayoutToggle kivDaXieImage1{{256, ToggleRow, 100, 40}, "大写", "bdcReadForm/kivDaXieImage2", ""};
inline constexpr LayoutToggle Toggles[] = {kivYinBiaoImage1, kivCiYIImage1, kivDaXieImage1};
// Plays per word and the pause: a caption over "-" [number] "+".
inline constexpr LayoutCaption SettingCaptions[] = {{{376, ToggleRow - 2, 80, 44}, "每词遍数"},
                                                    {{588, ToggleRow - 2, 60, 44}, "间隔秒"}};
inline constexpr LayoutRect DownNumber{458, ToggleRow + 4, 32, 32};
inline constexpr LayoutRect NumberLabel{494, ToggleRow + 4, 36, 32};
inline constexpr LayoutRect UpNumber{534, ToggleRow + 4, 32, 32};
inline constexpr LayoutRect DownTime{652, ToggleRow + 4, 32, 32};
inline constexpr LayoutRect TimeLabel{688, ToggleRow + 4, 36, 32};
inline constexpr LayoutRect UpTime{728, ToggleRow + 4, 32, 32};
inline constexpr LayoutRect SettingNumbers[] = {NumberLabel, TimeLabel};
// The pause button rests on its "暂停" face; while paused it wears "继续".
inline constexpr LayoutCommand kivPauseImage1{{40, 508, 120, 44}, "暂停", "bdcReadForm/kivPauseImage2", ""};
inline constexpr const char* ContinueCaption = "继续";
inline constexpr LayoutCommand kivImage11{LeaveOnFoot, "返回词表", "bdcReadForm/kivImage12", "Esc"};
inline constexpr LayoutCommand kivReturnImage{ReturnInBand, "返回", "bdcReadForm/kivReturnImage2", "Esc"};
inline constexpr LayoutCommand Commands[] = {kivImage11, kivReturnImage};
inline constexpr const char* KeyHelpText = "跟着读，也可以在上面的空白处写一写　Enter 清空　Esc 返回词表";
inline constexpr const char* Background = "bdcReadForm/Image1";
inline constexpr const char* Faces[] = {Background,
                                        kivYinBiaoImage1.onFace,
                                        kivCiYIImage1.onFace,
                                        kivDaXieImage1.onFace,
                                        kivPauseImage1.litFace,
                                        kivImage11.litFace,
                                        kivReturnImage.litFace};
} // namespace bdcReadLayout

namespace bdcEngToChiLayout {
using namespace WordDrillLayout;
inline constexpr const char* Title = "单词闪卡";
// The card alone: the English word or the meaning in its middle.
inline constexpr LayoutRect CardWord{64, 120, 672, 120};
inline constexpr int ChinesePixels = 27;
inline constexpr int EnglishPixels = 32;
inline constexpr LayoutToggle ToEnglish1{{40, 330, 150, 44}, "看英文听发音", "bdcEngToChiForm/ToEnglish2", ""};
inline constexpr LayoutToggle ToChinese1{{200, 330, 150, 44}, "看中文", "bdcEngToChiForm/ToChinese2", ""};
inline constexpr LayoutToggle Modes[] = {ToEnglish1, ToChinese1};
inline constexpr LayoutCaption TimeCaption{{420, 330, 110, 44}, "每张秒数"};
inline constexpr LayoutRect DownTime{536, 336, 32, 32};
inline constexpr LayoutRect TimeLabel{572, 336, 40, 32};
inline constexpr LayoutRect UpTime{616, 336, 32, 32};
inline constexpr LayoutCommand PauseImage{{40, 508, 120, 44}, "暂停", "bdcEngToChiForm/continueImage", ""};
inline constexpr const char* ContinueCaption = "继续";
inline constexpr LayoutCommand kivChoiceImage1{LeaveOnFoot, "返回词表", "", ""};
inline constexpr LayoutCommand kivReturnImage1{ReturnInBand, "返回", "", ""};
inline constexpr LayoutCommand Commands[] = {kivChoiceImage1, kivReturnImage1};
inline constexpr const char* Background = "bdcEngToChiForm/Image1";
inline constexpr const char* Faces[] = {Background, ToEnglish1.onFace, ToChinese1.onFace, PauseImage.litFace};
} // namespace bdcEngToChiLayout
