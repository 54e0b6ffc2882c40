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
