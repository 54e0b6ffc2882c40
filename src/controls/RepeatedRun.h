#pragma once
// The rule of a run that plays items 1 to `count` in turn (a lesson's
// sentences, a group's words), each a set number of times with a pause
// after every play. The run's last item ends the run whatever the counter
// holds; any other item plays again while the counter holds 2 or more, else
// the next item follows with the counter set to the repeat count. So the
// counter is reloaded only on moving on.

struct RunPauseEnd {
    enum Kind {
        RunOver, // the last item has played: the run stops
        Again,   // the same item once more
        Next,    // the next item, its plays counted afresh
    };
    Kind kind;
    int item;       // the current item afterwards
    int repeatLeft; // the plays of it still to come
};

constexpr RunPauseEnd AfterRunPause(int current, int count, int repeatLeft, int repeatCount)
{
    if (current >= count)
        return {RunPauseEnd::RunOver, current, repeatLeft};
    if (repeatLeft > 1)
        return {RunPauseEnd::Again, current, repeatLeft - 1};
    return {RunPauseEnd::Next, current + 1, repeatCount};
}
