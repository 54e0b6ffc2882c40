#include "CuePlacement.h"

#include "SourceText.h"

#include <algorithm>

namespace bookmaker {
namespace {

// Samples [from, to).
struct SampleSpan {
    qint64 from = 0;
    qint64 to = 0;
    qint64 Middle() const { return from + (to - from) / 2; }
};

class Placer {
public:
    Placer(const RecordingSound& sound, int marginMs) : sound_(sound), marginMs_(marginMs) {}

    qint64 SampleAt(qint64 ms) const { return std::clamp<qint64>(ms * sound_.rate / 1000, 0, sound_.sampleCount); }
    qint64 Samples(qint64 ms) const { return ms * sound_.rate / 1000; }
    // The latest start and the earliest end in whole milliseconds whose clip
    // still holds sample `i`.
    qint64 StartHolding(qint64 i) const { return i * 1000 / sound_.rate; }
    qint64 EndHolding(qint64 i) const { return ((i + 1) * 1000 + sound_.rate - 1) / sound_.rate; }

    SampleSpan SpanOf(const SubtitleCue& cue) const
    {
        return {SampleAt(cue.startMs), cue.lastsToTheEnd ? sound_.sampleCount : SampleAt(cue.endMs)};
    }

    // Where the sound of cue `a` ends and that of the next cue `b` may
    // begin: the middle of the longest quiet found from the middle of `a` to
    // that of `b`, no further than the search reach from where `a` ends and
    // `b` begins. Subtitles that touch (every LRC cue ends where the next
    // begins) find the pause between sentences on either side.
    qint64 Border(SampleSpan a, SampleSpan b) const
    {
        const qint64 reach = Samples(kCueSearchMs);
        const qint64 lo = std::max(a.Middle(), a.to - reach);
        const qint64 hi = std::max(lo, std::min(b.Middle(), b.from + reach));
        const std::vector<SoundStretch>& stretches = sound_.stretches;
        // Quiet k lies before stretch k; the first that can reach `lo`:
        std::size_t k = std::size_t(std::partition_point(stretches.begin(), stretches.end(),
                                                         [lo](const SoundStretch& s) { return s.last < lo; }) -
                                    stretches.begin());
        SampleSpan best{};
        for (; k <= stretches.size(); ++k) {
            const SampleSpan quiet = QuietBefore(k);
            if (quiet.from > hi)
                break;
            if (quiet.to > lo && quiet.to - quiet.from > best.to - best.from)
                best = quiet;
        }
        const qint64 middle = best.to > best.from ? best.Middle() : a.to + (b.from - a.to) / 2;
        return std::clamp(middle, lo, hi);
    }

    // The first and last loud sample in `owned`; false if there is none.
    bool SoundIn(SampleSpan owned, qint64& first, qint64& last) const
    {
        if (owned.to <= owned.from)
            return false;
        const std::vector<SoundStretch>& stretches = sound_.stretches;
        const auto from = std::partition_point(stretches.begin(), stretches.end(),
                                               [&](const SoundStretch& s) { return s.last < owned.from; });
        const auto to = std::partition_point(from, stretches.end(), [&](const SoundStretch& s) { return s.first < owned.to; });
        if (from == to)
            return false;
        first = std::max(from->first, owned.from);
        last = std::min(std::prev(to)->last, owned.to - 1);
        return true;
    }

    CueClip ClipAround(qint64 first, qint64 last) const
    {
        return {std::max<qint64>(0, StartHolding(first) - marginMs_),
                std::min(sound_.LengthMs(), EndHolding(last) + marginMs_)};
    }

    // Clips of neighbours whose sounds lie closer than two margins would
    // overlap or hold a piece of each other: they meet between the sounds.
    void KeepApart(CueClip& earlier, qint64 earlierLast, CueClip& later, qint64 laterFirst) const
    {
        const bool apart = earlier.endMs <= later.startMs && SampleAt(earlier.endMs) <= laterFirst &&
                           SampleAt(later.startMs) > earlierLast;
        if (apart)
            return;
        const qint64 ownEnd = EndHolding(earlierLast);
        const qint64 ownStart = StartHolding(laterFirst);
        const qint64 meeting = ownEnd <= ownStart ? ownEnd + (ownStart - ownEnd) / 2 : ownEnd;
        earlier.endMs = meeting;
        later.startMs = std::min(meeting, later.endMs - 1);
    }

private:
    SampleSpan QuietBefore(std::size_t k) const
    {
        const std::vector<SoundStretch>& stretches = sound_.stretches;
        return {k == 0 ? 0 : stretches[k - 1].last + 1, k == stretches.size() ? sound_.sampleCount : stretches[k].first};
    }

    const RecordingSound& sound_;
    int marginMs_;
};

// Every cue starts and, unless it runs to the recording's end, ends within
// the recording.
void CheckCuesFit(const QList<SubtitleCue>& cues, qint64 lengthMs, const QString& sourceName, QStringList& errors)
{
    for (const SubtitleCue& cue : cues) {
        if (cue.startMs >= lengthMs)
            errors.append(SourceFault(sourceName, cue.line, QStringLiteral("the cue starts at %1, after the recording's end (%2)")
                                                              .arg(CueTime(cue.startMs), CueTime(lengthMs))));
        else if (!cue.lastsToTheEnd && cue.endMs > lengthMs)
            errors.append(SourceFault(sourceName, cue.line, QStringLiteral("the cue ends at %1, after the recording's end (%2)")
                                                              .arg(CueTime(cue.endMs), CueTime(lengthMs))));
    }
}

} // namespace

PlacedCues PlaceCues(const QList<SubtitleCue>& cues, const RecordingSound& sound, int marginMs, const QString& sourceName)
{
    PlacedCues placed;
    if (sound.rate <= 0 || sound.sampleCount <= 0) {
        placed.errors.append(SourceFault(sourceName, 0, QStringLiteral("the recording holds no sound at all")));
        return placed;
    }
    CheckCuesFit(cues, sound.LengthMs(), sourceName, placed.errors);
    if (!placed.errors.isEmpty())
        return placed;

    const Placer placer(sound, marginMs);
    std::vector<SampleSpan> spans;
    for (const SubtitleCue& cue : cues)
        spans.push_back(placer.SpanOf(cue));
    const qint64 reach = placer.Samples(kCueSearchMs);
    std::vector<qint64> firsts(spans.size());
    std::vector<qint64> lasts(spans.size());
    qint64 border = 0;
    for (std::size_t i = 0; i < spans.size(); ++i) {
        const qint64 nextBorder = i + 1 < spans.size() ? placer.Border(spans[i], spans[i + 1]) : sound.sampleCount;
        const SampleSpan owned{std::max(border, spans[i].from - reach), std::min(nextBorder, spans[i].to + reach)};
        border = nextBorder;
        const SubtitleCue& cue = cues[qsizetype(i)];
        if (!placer.SoundIn(owned, firsts[i], lasts[i])) {
            placed.errors.append(SourceFault(sourceName, cue.line,
                                             QStringLiteral("the cue (%1 to %2) holds no sound, nor does the recording "
                                                            "near it")
                                                 .arg(CueTime(cue.startMs),
                                                      CueTime(cue.lastsToTheEnd ? sound.LengthMs() : cue.endMs))));
            continue;
        }
        placed.clips.push_back(placer.ClipAround(firsts[i], lasts[i]));
    }
    if (!placed.errors.isEmpty()) {
        placed.clips.clear();
        return placed;
    }
    for (std::size_t i = 0; i + 1 < placed.clips.size(); ++i)
        placer.KeepApart(placed.clips[i], lasts[i], placed.clips[i + 1], firsts[i + 1]);
    return placed;
}

} // namespace bookmaker
