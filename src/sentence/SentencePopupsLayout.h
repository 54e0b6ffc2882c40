#pragma once
// Layouts of the sentence course's small screens: the lesson-finished
// pop-up, the challenge screen and the wrong-sentence pop-up. The screens
// place their controls from these tables and the skin painter paints the
// faces beneath them.

#include "controls/Layout.h"

namespace ThisClassHaveFinishedLayout {
inline constexpr int Width = 339;
inline constexpr int Height = 224;
inline constexpr LayoutRect Image1{0, 0, 340, 227};
inline constexpr LayoutRect AgainImage1{56, 108, 225, 33};
inline constexpr LayoutRect TheOtherImage1{55, 157, 225, 33};
inline constexpr const char* AgainCaption = "再学一遍";
inline constexpr const char* TheOtherCaption = "选择其他课";
inline constexpr const char* Background = "ThisClassHaveFinishedForm/Image1";
inline constexpr const char* AgainLit = "ThisClassHaveFinishedForm/Image2";
inline constexpr const char* TheOtherLit = "ThisClassHaveFinishedForm/Image3";
inline constexpr const char* Faces[] = {Background, AgainLit, TheOtherLit};
} // namespace ThisClassHaveFinishedLayout

namespace TiaoLayout {
inline constexpr int Width = 800;
inline constexpr int Height = 600;
inline constexpr LayoutRect ReturnButton{608, 464, 88, 41};
inline constexpr LayoutRect EngToChi{128, 458, 145, 46};
inline constexpr LayoutRect ChiToEng{291, 459, 145, 47};
inline constexpr LayoutRect Start{488, 464, 89, 41};
inline constexpr LayoutRect Lesson{568, 32, 70, 28};
inline constexpr LayoutRect AllSentence{648, 32, 120, 28};
inline constexpr LayoutRect Sentence{88, 72, 640, 28};
inline constexpr LayoutRect WordToWordTimer{400, 384, 120, 40};
inline constexpr const char* ReturnCaption = "返回";
inline constexpr const char* EngToChiCaption = "英译中";
inline constexpr const char* ChiToEngCaption = "中译英";
inline constexpr const char* StartCaption = "开始";
inline constexpr const char* Background = "TiaoForm/Image1";
inline constexpr const char* Faces[] = {Background};
} // namespace TiaoLayout

namespace SenWrongLayout {
inline constexpr int Width = 199;
inline constexpr int Height = 133;
inline constexpr LayoutRect kivImage11{0, 0, 200, 133};
inline constexpr LayoutRect Button1{40, 80, 123, 41};
inline constexpr const char* Picture = "SenWrongForm/kivImage11";
inline constexpr const char* Faces[] = {Picture};
} // namespace SenWrongLayout
