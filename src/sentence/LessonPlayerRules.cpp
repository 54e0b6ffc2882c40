#include "LessonPlayerRules.h"
#include "controls/Keys.h"

namespace sentence {

std::vector<PairPlace> StackPairs(const std::vector<PairHeights>& heights)
{
    std::vector<PairPlace> places;
    places.reserve(heights.size());
    int y = kFirstPairTop;
    for (const PairHeights& pair : heights) {
        const int chineseTop = y + pair.english;
        const int bottom = chineseTop + pair.chinese;
        places.push_back({y, chineseTop, bottom});
        y = bottom + kPairGap;
    }
    return places;
}

int PairsThatFit(const std::vector<PairPlace>& places, int windowHeight)
{
    for (std::size_t k = 0; k < places.size(); ++k)
        if (places[k].bottom > windowHeight)
            return int(k);
    return int(places.size());
}

QString NumberedEnglishLine(int number, const QString& english)
{
    return QString::number(number) + QStringLiteral(".  ") + english;
}

LessonPlayerKey LessonPlayerKeyCommand(int key)
{
    if (key == vk::Space)
        return LessonPlayerKey::TogglePlay;
    if (key == vk::Escape)
        return LessonPlayerKey::Back;
    if (key >= vk::Prior && key <= vk::Down)
        return LessonPlayerKey::Refresh;
    return LessonPlayerKey::None;
}

} // namespace sentence
