#pragma once
// Layouts of the word course's two pop-ups: the word book picker and the
// group-finished screen. Each is sized to its background picture; the hot
// areas lie over faces painted into it and light with their own pictures.

#include "controls/Layout.h"

namespace bdcBookLayout {
inline constexpr int Width = 432;
inline constexpr int Height = 288;
inline constexpr LayoutRect Image1{0, 0, Width, Height};
inline constexpr LayoutRect BookListBox{26, 39, 304, 220};
inline constexpr int ListTextPixels = 21;
inline constexpr LayoutRect Image2{352, 200, 65, 41};
inline constexpr const char* Headline = "选择词库";
inline constexpr const char* CloseCaption = "关闭";
inline constexpr const char* Background = "bdcBookForm/Image1";
inline constexpr const char* CloseLit = "bdcBookForm/Image2";
inline constexpr const char* Faces[] = {Background, CloseLit};
} // namespace bdcBookLayout

namespace bdcClassFinishLayout {
inline constexpr int Width = 400;
inline constexpr int Height = 280;
inline constexpr LayoutRect Image1{0, 0, Width, Height};
inline constexpr LayoutRect Image3{48, 144, 297, 33};
inline constexpr LayoutRect Image2{48, 192, 305, 41};
inline constexpr const char* Headline = "这组单词已经练完了";
inline constexpr const char* AgainCaption = "再练一遍";
inline constexpr const char* LeaveCaption = "退出练习";
inline constexpr const char* Background = "bdcClassFinishForm/Image1";
inline constexpr const char* AgainLit = "bdcClassFinishForm/AgainLit";
inline constexpr const char* LeaveLit = "bdcClassFinishForm/LeaveLit";
inline constexpr const char* Faces[] = {Background, AgainLit, LeaveLit};
} // namespace bdcClassFinishLayout
