#pragma once
// The screens' small adjustable numbers (repeat counts, pauses, group sizes):
// decimal text in a label's caption, stepped by "+" and "-" buttons within
// fixed limits and read back as integers.

#include <QString>

// The integer a caption holds; raises EConvertError when it holds none.
int StrToInt(const QString& text);

struct NumberRange {
    int min;
    int max;
};

// `value` moved by `step` when the result stays within `range`; otherwise
// `value` unchanged.
constexpr int Stepped(int value, int step, NumberRange range)
{
    const int moved = value + step;
    return moved >= range.min && moved <= range.max ? moved : value;
}

// A "+" or "-" press on a number held between limits.
struct NumberStep {
    int value;  // the number afterwards
    bool moved; // false when it already stood at the limit
};
constexpr NumberStep StepNumber(int value, int step, NumberRange range)
{
    const int after = Stepped(value, step, range);
    return {after, after != value};
}

// Whether each button can still move the number: "+" below the top, "-"
// above the bottom.
struct StepperEnabling {
    bool up;
    bool down;
};
constexpr StepperEnabling EnablingFor(int value, NumberRange range)
{
    return {value < range.max, value > range.min};
}
