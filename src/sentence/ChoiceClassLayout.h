#pragma once
// The lesson chooser's layout: books and lessons on the left, the lesson's
// sentences and the current sentence on the right, the four practice buttons
// beneath them and the return button in the title band.

#include "controls/Layout.h"

namespace ChoiceClassLayout {

inline constexpr int Width = 800;
inline constexpr int Height = 600;

inline constexpr LayoutRect BookListBox{24, 92, 214, 128};
inline constexpr LayoutRect ClassStringGrid{24, 262, 214, 300};
inline constexpr LayoutRect OneClassStringGrid{262, 92, 514, 296};
inline constexpr LayoutRect SentenceEdit{262, 424, 514, 82};
inline constexpr LayoutRect ReturnToMain{682, 12, 94, 38};

// Captions painted above each area.
inline constexpr LayoutCaption Captions[] = {
    {{24, 62, 214, 26}, "课本"},
    {{24, 232, 214, 26}, "课文"},
    {{262, 62, 514, 26}, "句子 · 点一下就能听"},
    {{262, 394, 514, 26}, "当前句子"},
};
inline constexpr const char* Title = "句子训练";

// The four practice buttons share one resting and one lit face; their
// captions are labels over the faces.
struct PracticeButton {
    LayoutRect place;
    const char* caption;
};
inline constexpr PracticeButton kivReadSen{{262, 526, 120, 44}, "跟读"};
inline constexpr PracticeButton kivTypeSen{{393, 526, 120, 44}, "听写"};
inline constexpr PracticeButton kivLianCiImage{{524, 526, 120, 44}, "连词成句"};
inline constexpr PracticeButton TotalImage1{{655, 526, 120, 44}, "整课播放"};
// The flat band the practice buttons sit on.
inline constexpr LayoutRect FootBand{0, 512, 800, 88};
inline constexpr PracticeButton PracticeButtons[] = {kivReadSen, kivTypeSen, kivLianCiImage, TotalImage1};

inline constexpr const char* Background = "ChoiceClassForm/Image1";
inline constexpr const char* RestingFace = "ChoiceClassForm/kivImage1";
inline constexpr const char* LitFace = "ChoiceClassForm/kivImage2";
inline constexpr const char* ReturnLit = "ChoiceClassForm/ReturnImage2";
inline constexpr const char* ReturnCaption = "返回";

// Every picture the screen asks the skin for.
inline constexpr const char* Faces[] = {Background, RestingFace, LitFace, ReturnLit};

} // namespace ChoiceClassLayout
