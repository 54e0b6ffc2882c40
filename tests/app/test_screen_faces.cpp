// Every picture a screen asks for is in the built-in picture table and
// decodes: a face named in a layout but never painted fails here, not as a
// blank button in front of a learner.

#include "app/bjzMainLayout.h"
#include "controls/Skin.h"
#include "sentence/ChoiceClassLayout.h"
#include "sentence/LinkWordLayout.h"
#include "sentence/SentencePopupsLayout.h"
#include "sentence/TotalLayout.h"
#include "sentence/bjzTypeSenLayout.h"
#include "sentence/bjzReadLayout.h"
#include "word/WordDrillLayout.h"
#include "word/WordPopupsLayout.h"
#include "word/bdcChoiceLayout.h"

#include <gtest/gtest.h>
#include <iterator>
#include <span>

namespace {

struct ScreenFaces {
    const char* screen;
    std::span<const char* const> faces;
};

// A new screen adds its layout's Faces here.
const ScreenFaces kScreens[] = {
    {"bjzMainForm", bjzMainLayout::Faces},
    {"ChoiceClassForm", ChoiceClassLayout::Faces},
    {"ThisClassHaveFinishedForm", ThisClassHaveFinishedLayout::Faces},
    {"TiaoForm", TiaoLayout::Faces},
    {"SenWrongForm", SenWrongLayout::Faces},
    {"bjzReadForm", bjzReadLayout::Faces},
    {"TotalForm", TotalLayout::Faces},
    {"LinkWordForm", LinkWordLayout::Faces},
    {"bjzTypeSenForm", bjzTypeSenLayout::Faces},
    {"bdcChoiceForm", bdcChoiceLayout::Faces},
    {"bdcBookForm", bdcBookLayout::Faces},
    {"bdcClassFinishForm", bdcClassFinishLayout::Faces},
    {"bdcTypeForm", bdcTypeLayout::Faces},
    {"bdcTestForm", bdcTestLayout::Faces},
    {"bdcTestFinishForm", bdcTestFinishLayout::Faces},
    {"YouRememberForm", YouRememberLayout::Faces},
    {"bdcReadForm", bdcReadLayout::Faces},
    {"bdcEngToChiForm", bdcEngToChiLayout::Faces},
};

TEST(ScreenFaces, EveryFaceEveryScreenAsksForIsPainted)
{
    InstallBuiltInSkins();
    for (const ScreenFaces& screen : kScreens) {
        ASSERT_FALSE(screen.faces.empty()) << screen.screen;
        for (const char* face : screen.faces)
            EXPECT_FALSE(SkinPicture(face).Empty()) << screen.screen << ": " << face;
    }
}

} // namespace
