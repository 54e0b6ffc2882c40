#pragma once
// The main menu's layout: where each button lies and what its painted face
// says. The screen places its hot areas from this table and the skin painter
// paints the faces from it.

#include "controls/Layout.h"

namespace bjzMainLayout {

inline constexpr int Width = 800;
inline constexpr int Height = 600;

inline constexpr LayoutRect Label1{656, 16, 137, 24};

struct MenuButton {
    const char* twinPicture; // skin name of the highlighted face
    LayoutRect place;
    const char* caption;     // Chinese caption painted on the face
    const char* english;     // small English line under it
};

inline constexpr MenuButton SentenceButton{"bjzMainForm/kivBjzImage2", {86, 123, 144, 49}, "句子训练", "Sentences"};
inline constexpr MenuButton WordButton{"bjzMainForm/kivBdcImage2", {87, 179, 142, 48}, "单词训练", "Words"};
inline constexpr MenuButton WebButton{"bjzMainForm/kivWebImage2", {87, 236, 143, 49}, "主页", "Home page"};
inline constexpr MenuButton HelpButton{"bjzMainForm/kivHelpImage2", {87, 353, 142, 48}, "帮助", "Help"};
inline constexpr MenuButton ExitButton{"bjzMainForm/kivExitImage2", {87, 412, 142, 48}, "退出", "Exit"};

inline constexpr MenuButton Buttons[] = {SentenceButton, WordButton, WebButton, HelpButton, ExitButton};

inline constexpr const char* Background = "bjzMainForm/Image1";

// Every picture the screen asks the skin for.
inline constexpr const char* Faces[] = {Background,
                                        SentenceButton.twinPicture,
                                        WordButton.twinPicture,
                                        WebButton.twinPicture,
                                        HelpButton.twinPicture,
                                        ExitButton.twinPicture};

} // namespace bjzMainLayout
