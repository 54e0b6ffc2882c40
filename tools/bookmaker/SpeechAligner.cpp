#include "SpeechAligner.h"

#include "SpeechFeatures.h"
#include "SpeechSynthesizer.h"

#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <map>
#include <numeric>
#include <tuple>

namespace bookmaker {
namespace {

// ---------------------------------------------------------------------------
// The recording in pieces

// A stretch of sound in 10 ms frames [first, last], and how the recording
// goes on after it: after a pause of `pauseAfter` frames, or (a dip) straight on.
struct Piece {
    qsizetype first = 0;
    qsizetype last = 0;
    qsizetype pauseAfter = 0;
    bool dipAfter = false;
};

// Gaps shorter than this are inside a word (a stop's closure), not pauses.
constexpr qsizetype kShortestPauseFrames = 6;
// A stretch of sound this long is looked at for dips where a speaker ran
// from one sentence into the next.
constexpr qsizetype kLongestUnbrokenFrames = 150;
// A dip: the quietest frame within 150 ms, at least 12 dB below the loudest
// within 300 ms on either side.
constexpr qsizetype kDipReach = 15;
constexpr qsizetype kPeakReach = 30;
constexpr float kDipDepthDb = 12;

std::vector<bool> FramesWithSound(const Recording& recording)
{
    const qsizetype hop = std::max(1, recording.rate * kFeatureFrameMs / 1000);
    const qsizetype count = qsizetype(recording.samples.size());
    std::vector<bool> frames(std::size_t((count + hop - 1) / hop), false);
    for (qsizetype i = 0; i < count; ++i)
        if (recording.Loud(i))
            frames[std::size_t(i / hop)] = true;
    return frames;
}

std::vector<float> SmoothedLoudness(const SpeechFeatures& features, qsizetype first, qsizetype last)
{
    std::vector<float> smooth;
    for (qsizetype f = first; f <= last; ++f) {
        double sum = 0;
        int n = 0;
        for (qsizetype g = std::max(first, f - 2); g <= std::min(last, f + 2); ++g, ++n)
            sum += features.Loudness(g);
        smooth.push_back(float(sum / n));
    }
    return smooth;
}

// The dips of a long stretch [first, last], as frames.
std::vector<qsizetype> DipsIn(const SpeechFeatures& features, qsizetype first, qsizetype last)
{
    std::vector<qsizetype> dips;
    if (last - first < kLongestUnbrokenFrames)
        return dips;
    const std::vector<float> loudness = SmoothedLoudness(features, first, last);
    const qsizetype n = qsizetype(loudness.size());
    const auto at = [&](qsizetype i) { return loudness[std::size_t(i)]; };
    for (qsizetype i = kPeakReach; i + kPeakReach < n; ++i) {
        bool lowest = true;
        for (qsizetype j = i - kDipReach; j <= i + kDipReach && lowest; ++j)
            lowest = j == i || at(j) > at(i) || (at(j) == at(i) && j > i);
        if (!lowest)
            continue;
        float before = at(i), after = at(i);
        for (qsizetype j = i - kPeakReach; j < i; ++j)
            before = std::max(before, at(j));
        for (qsizetype j = i + 1; j <= i + kPeakReach; ++j)
            after = std::max(after, at(j));
        if (before - at(i) >= kDipDepthDb && after - at(i) >= kDipDepthDb)
            dips.push_back(first + i);
    }
    return dips;
}

std::vector<Piece> PiecesOf(const std::vector<bool>& sound, const SpeechFeatures& features)
{
    std::vector<Piece> pieces;
    const qsizetype frames = qsizetype(sound.size());
    qsizetype f = 0;
    while (f < frames) {
        while (f < frames && !sound[std::size_t(f)])
            ++f;
        if (f >= frames)
            break;
        // A stretch of sound runs on over gaps too short to be pauses.
        const qsizetype first = f;
        qsizetype last = f;
        qsizetype quiet = 0;
        for (; f < frames; ++f) {
            if (sound[std::size_t(f)]) {
                last = f;
                quiet = 0;
            } else if (++quiet >= kShortestPauseFrames) {
                break;
            }
        }
        qsizetype from = first;
        for (const qsizetype dip : DipsIn(features, first, last)) {
            pieces.push_back({from, dip, 0, true});
            from = dip + 1;
        }
        pieces.push_back({from, last, 0, false});
    }
    for (std::size_t i = 0; i + 1 < pieces.size(); ++i)
        if (!pieces[i].dipAfter)
            pieces[i].pauseAfter = pieces[i + 1].first - pieces[i].last - 1;
    return pieces;
}

// ---------------------------------------------------------------------------
// Sentences laid over the pieces

// The costs the placing weighs; a sentence's cost is about 0 when it fits.
constexpr double kLengthWeight = 4.0;     // per (log of the length ratio) squared
constexpr double kPausePerFrame = 1.0 / 35;   // a pause inside a sentence: (frames / 35)^2
// ... unless the voice pauses there too (at a full stop or a comma inside the
// sentence): that many of its longest pauses cost (frames / 150)^2.
constexpr double kExpectedPausePerFrame = 1.0 / 150;
constexpr qsizetype kLongestExpectedPauses = 4;
constexpr double kDipEnding = 3.0;        // a sentence ending where the speaker did not stop
constexpr qsizetype kFullPauseFrames = 25;   // a sentence ending at a shorter pause pays part of kDipEnding
// Sound that belongs to no sentence (an announcement, a cough): dear while
// only lengths and pauses tell, cheaper once the words are weighed too.
struct Skipping {
    double piece;
    double perFrame;
};
constexpr Skipping kSkippingByLength{2.0, 0.04};
constexpr Skipping kSkippingByWords{1.0, 0.01};
// A short burst (a breath, a click, a soft first sound cut off by a gap) is
// no announcement: it belongs to the sentence beside it, and left out of
// every clip it would be heard nowhere and break the clip rule.
constexpr qsizetype kShortBurstFrames = 20;
constexpr double kSkippedBurst = 3.0;
constexpr double kMissingSentence = 8.0;
constexpr double kLongestRatio = 3.0;
// A sentence whose span is this far from the voice's length (at the
// speaker's pace) is not what was said there; somewhat less far, a doubt.
constexpr double kFoundRatio = 2.0;
constexpr double kSureRatio = 1.4;

double Square(double x) { return x * x; }

struct Span {
    qsizetype firstPiece = -1;   // -1: not found
    qsizetype endPiece = -1;     // one past the last
};

// How unlike its rendering a span of the recording sounds, against how
// unlike the lesson's sentences sound where the first placing put them:
// the words themselves decide where lengths and pauses leave a doubt.
// Only spans starting near the first placing's are weighed.
class ContentCost {
public:
    virtual ~ContentCost() = default;
    virtual bool Allows(qsizetype sentence, qsizetype firstPiece) const = 0;
    virtual double Cost(qsizetype sentence, qsizetype firstPiece, qsizetype endPiece) const = 0;
};

class Placing {
public:
    // `lengths` and `pauses`: each rendering's frames and how many pauses it makes.
    Placing(const std::vector<Piece>& pieces, const std::vector<double>& lengths, const std::vector<int>& pauses)
        : pieces_(pieces), lengths_(lengths), pauses_(pauses)
    {
    }

    // The best spans at `pace` (recording frames per rendering frame).
    std::vector<Span> Place(double pace, const ContentCost* content = nullptr) const
    {
        const Skipping skipping = content != nullptr ? kSkippingByWords : kSkippingByLength;
        const qsizetype n = qsizetype(lengths_.size());
        const qsizetype m = qsizetype(pieces_.size());
        constexpr double kNone = std::numeric_limits<double>::infinity();
        // cost[i][c]: the first i sentences placed over the first c pieces.
        std::vector<std::vector<double>> cost(std::size_t(n + 1), std::vector<double>(std::size_t(m + 1), kNone));
        std::vector<std::vector<qsizetype>> from(std::size_t(n + 1), std::vector<qsizetype>(std::size_t(m + 1), -2));
        cost[0][0] = 0;
        for (qsizetype i = 0; i <= n; ++i) {
            std::vector<double>& row = cost[std::size_t(i)];
            for (qsizetype c = 0; c <= m; ++c) {
                if (c < m && row[std::size_t(c)] + Skipped(c, skipping) < row[std::size_t(c + 1)]) {
                    row[std::size_t(c + 1)] = row[std::size_t(c)] + Skipped(c, skipping);
                    from[std::size_t(i)][std::size_t(c + 1)] = -1;   // piece c skipped
                }
                if (i == n || row[std::size_t(c)] == kNone)
                    continue;
                std::vector<double>& next = cost[std::size_t(i + 1)];
                if (row[std::size_t(c)] + kMissingSentence < next[std::size_t(c)]) {
                    next[std::size_t(c)] = row[std::size_t(c)] + kMissingSentence;
                    from[std::size_t(i + 1)][std::size_t(c)] = c;   // sentence i missing
                }
                if (content != nullptr && !content->Allows(i, c))
                    continue;
                InsidePauses inside(std::min<qsizetype>(pauses_[std::size_t(i)], kLongestExpectedPauses));
                for (qsizetype end = c + 1; end <= m; ++end) {
                    const double ratio = Frames(c, end) / (pace * lengths_[std::size_t(i)]);
                    if (ratio > kLongestRatio || (content != nullptr && ratio > kFoundRatio))
                        break;
                    if (content != nullptr && ratio < 1 / kFoundRatio) {
                        if (end < m)
                            inside.Add(pieces_[std::size_t(end - 1)].pauseAfter);
                        continue;
                    }
                    const double total = row[std::size_t(c)] + SentenceCost(ratio, inside.Cost(), end) +
                                         (content != nullptr ? content->Cost(i, c, end) : 0.0);
                    if (total < next[std::size_t(end)]) {
                        next[std::size_t(end)] = total;
                        from[std::size_t(i + 1)][std::size_t(end)] = c;
                    }
                    if (end < m)
                        inside.Add(pieces_[std::size_t(end - 1)].pauseAfter);
                }
            }
        }
        return Trace(from, n, m);
    }

    double Frames(qsizetype firstPiece, qsizetype endPiece) const
    {
        return double(pieces_[std::size_t(endPiece - 1)].last - pieces_[std::size_t(firstPiece)].first + 1);
    }

private:
    double SentenceCost(double ratio, double inside, qsizetype end) const
    {
        const double length = std::log(ratio);
        return kLengthWeight * length * length + inside + Ending(end);
    }

    // The pauses inside one sentence: its longest few are where the voice
    // pauses too, and cost less.
    class InsidePauses {
    public:
        explicit InsidePauses(qsizetype expected) : expected_(expected) {}

        void Add(qsizetype frames)
        {
            all_ += Square(double(frames) * kPausePerFrame);
            longest_.insert(std::upper_bound(longest_.begin(), longest_.end(), frames, std::greater<>()), frames);
            if (qsizetype(longest_.size()) > expected_)
                longest_.pop_back();
            discount_ = 0;
            for (const qsizetype longer : longest_)
                discount_ += Square(double(longer) * kPausePerFrame) - Square(double(longer) * kExpectedPausePerFrame);
        }

        double Cost() const { return all_ - discount_; }

    private:
        qsizetype expected_;
        std::vector<qsizetype> longest_;
        double all_ = 0;
        double discount_ = 0;
    };

    // What ending after piece end - 1 costs: nothing at a full pause.
    double Ending(qsizetype end) const
    {
        if (end >= qsizetype(pieces_.size()))
            return 0;
        const Piece& p = pieces_[std::size_t(end - 1)];
        if (p.dipAfter)
            return kDipEnding;
        return kDipEnding * std::max(0.0, 1.0 - double(p.pauseAfter) / kFullPauseFrames);
    }

    double Skipped(qsizetype piece, const Skipping& skipping) const
    {
        const Piece& p = pieces_[std::size_t(piece)];
        const qsizetype frames = p.last - p.first + 1;
        return frames < kShortBurstFrames ? kSkippedBurst : skipping.piece + skipping.perFrame * double(frames);
    }

    static std::vector<Span> Trace(const std::vector<std::vector<qsizetype>>& from, qsizetype n, qsizetype m)
    {
        std::vector<Span> spans(static_cast<std::size_t>(n));
        qsizetype i = n, c = m;
        while (i > 0 || c > 0) {
            const qsizetype back = from[std::size_t(i)][std::size_t(c)];
            if (back == -1) {
                --c;
            } else if (back == c) {
                --i;   // missing
            } else if (back >= 0) {
                spans[std::size_t(i - 1)] = {back, c};
                --i;
                c = back;
            } else {
                break;   // unreachable: every state has a way back
            }
        }
        return spans;
    }

    const std::vector<Piece>& pieces_;
    const std::vector<double>& lengths_;
    const std::vector<int>& pauses_;
};

// ---------------------------------------------------------------------------
// What the words say

// How far (in pieces) the second placing may move a sentence's start from
// the first placing's, and what sounding unlike costs.
constexpr qsizetype kContentReach = 4;
constexpr double kContentWeight = 8.0;

SpeechFeatures RenderingFeatures(const SentenceRendering& rendering);

class WordsCost final : public ContentCost {
public:
    WordsCost(const std::vector<Piece>& pieces, const SpeechFeatures& recording, const std::vector<SentenceRendering>& renderings,
              const std::vector<Span>& first)
        : pieces_(pieces), recording_(recording.Halved())
    {
        for (const SentenceRendering& rendering : renderings)
            voice_.push_back(RenderingFeatures(rendering).Halved());
        Reach(first);
        Measure(first);
    }

    // Takes how alike sentences sound where they belong from `spans`: a
    // placing mostly right (the better of the lesson's matches, so that the
    // wrong ones of a first placing count little).
    void Measure(const std::vector<Span>& spans)
    {
        std::vector<double> found;
        for (std::size_t i = 0; i < spans.size(); ++i)
            if (spans[i].firstPiece >= 0)
                found.push_back(Unlikeness(qsizetype(i), spans[i].firstPiece, spans[i].endPiece));
        if (found.empty())
            return;
        const auto better = found.begin() + std::ptrdiff_t(found.size() / 4);
        std::nth_element(found.begin(), better, found.end());
        level_ = std::max(1e-6, *better);
    }

    bool Allows(qsizetype sentence, qsizetype firstPiece) const override
    {
        return firstPiece >= lowest_[std::size_t(sentence)] && firstPiece <= highest_[std::size_t(sentence)];
    }

    double Cost(qsizetype sentence, qsizetype firstPiece, qsizetype endPiece) const override
    {
        const double relative = Unlikeness(sentence, firstPiece, endPiece) / level_ - 1.0;
        return kContentWeight * std::clamp(relative, -0.5, 3.0);
    }

private:
    // Compared at 20 ms a frame, which tells words apart as well as 10 ms
    // does at a quarter of the work; each pair once, however often asked.
    double Unlikeness(qsizetype sentence, qsizetype firstPiece, qsizetype endPiece) const
    {
        const std::tuple key{sentence, firstPiece, endPiece};
        if (const auto known = known_.find(key); known != known_.end())
            return known->second;
        const SpeechFeatures heard = recording_.Normalised(pieces_[std::size_t(firstPiece)].first / 2,
                                                           pieces_[std::size_t(endPiece - 1)].last / 2 + 1);
        const SpeechFeatures& said = voice_[std::size_t(sentence)];
        const double cost = WarpCost(said, heard, std::max(said.FrameCount(), heard.FrameCount()) / 4 + 5);
        known_.emplace(key, cost);
        return cost;
    }

    // Each sentence may start anywhere from kContentReach pieces before where
    // the first placing started the sentence before it to kContentReach
    // pieces after where it started the one after: a first placing that put
    // a sentence where its neighbour belongs is mended.
    void Reach(const std::vector<Span>& first)
    {
        const qsizetype n = qsizetype(first.size());
        const qsizetype m = qsizetype(pieces_.size());
        lowest_.assign(std::size_t(n), 0);
        highest_.assign(std::size_t(n), m);
        qsizetype floor = 0;
        for (qsizetype i = 0; i < n; ++i) {
            lowest_[std::size_t(i)] = std::max<qsizetype>(0, floor - kContentReach);
            if (first[std::size_t(i)].firstPiece >= 0)
                floor = first[std::size_t(i)].firstPiece;
        }
        qsizetype ceiling = m;
        for (qsizetype i = n - 1; i >= 0; --i) {
            highest_[std::size_t(i)] = std::min(m, ceiling + kContentReach);
            if (first[std::size_t(i)].firstPiece >= 0)
                ceiling = first[std::size_t(i)].firstPiece;
        }
    }

    const std::vector<Piece>& pieces_;
    const SpeechFeatures recording_;   // at 20 ms a frame
    std::vector<SpeechFeatures> voice_;
    mutable std::map<std::tuple<qsizetype, qsizetype, qsizetype>, double> known_;
    std::vector<qsizetype> lowest_, highest_;
    double level_ = 1.0;
};

// ---------------------------------------------------------------------------
// From spans to clips

// A sentence's stretch of recording frames, [first, last].
struct FrameSpan {
    qsizetype first = -1;
    qsizetype last = -1;
    bool runsOn = false;   // ends where the speaker did not pause
};

SpeechFeatures RenderingFeatures(const SentenceRendering& rendering)
{
    // The rendering's quiet margins are left out: the recording's span is
    // its sound alone.
    const qsizetype margin = qsizetype(rendering.rate) * kClipMarginMs / 1000;
    const qsizetype count = std::max<qsizetype>(0, qsizetype(rendering.samples.size()) - 2 * margin);
    const SpeechFeatures all = SpeechFeatures::Of(rendering.samples.data() + std::min<qsizetype>(margin, qsizetype(rendering.samples.size())),
                                                  count, rendering.rate);
    return all.Normalised(0, all.FrameCount());
}

// Where two sentences that run into each other meet: the frame of the
// recording the second one's first sound is matched to, moved onto the
// quietest frame near it.
qsizetype MeetingFrame(const SpeechFeatures& recording, const FrameSpan& one, const FrameSpan& two,
                       const SentenceRendering& first, const SentenceRendering& second)
{
    SpeechFeatures pair = RenderingFeatures(first);
    const qsizetype firstFrames = pair.FrameCount();
    pair.Append(RenderingFeatures(second));
    const SpeechFeatures heard = recording.Normalised(one.first, two.last + 1);
    if (firstFrames == 0 || heard.FrameCount() < 2)
        return one.last;
    const std::vector<qsizetype> matched = WarpOnto(pair, heard, std::max<qsizetype>(40, heard.FrameCount() / 4));
    const qsizetype guess = one.first + matched[std::size_t(std::min(firstFrames, pair.FrameCount() - 1))];
    qsizetype quietest = guess;
    for (qsizetype f = std::max(one.first + 1, guess - 8); f <= std::min(two.last - 1, guess + 8); ++f)
        if (recording.Loudness(f) < recording.Loudness(quietest))
            quietest = f;
    return std::clamp(quietest, one.first, two.last - 1);
}

qint64 MsOfSample(qsizetype sample, int rate) { return qint64(sample) * 1000 / rate; }
qint64 MsAfterSample(qsizetype sample, int rate) { return (qint64(sample + 1) * 1000 + rate - 1) / rate; }

// The first and last loud samples of frames [first, last], or -1.
std::pair<qsizetype, qsizetype> SoundIn(const Recording& recording, const FrameSpan& span)
{
    const qsizetype hop = std::max(1, recording.rate * kFeatureFrameMs / 1000);
    const qsizetype from = span.first * hop;
    const qsizetype to = std::min(qsizetype(recording.samples.size()), (span.last + 1) * hop);
    qsizetype firstLoud = -1, lastLoud = -1;
    for (qsizetype i = from; i < to; ++i) {
        if (recording.Loud(i)) {
            lastLoud = i;
            if (firstLoud < 0)
                firstLoud = i;
        }
    }
    return {firstLoud, lastLoud};
}

class ClipPlacer {
public:
    explicit ClipPlacer(const Recording& recording) : recording_(recording) {}

    // Clips around each span's sound with kClipMarginMs of quiet, never
    // reaching a neighbour's sound; doubts where the rule cannot hold.
    void Place(const std::vector<FrameSpan>& spans, std::vector<AlignedSentence>& sentences) const
    {
        std::vector<std::pair<qint64, qint64>> sound(spans.size(), {-1, -1});   // ms of first and last sound
        for (std::size_t i = 0; i < spans.size(); ++i) {
            if (!sentences[i].found)
                continue;
            const auto [first, last] = SoundIn(recording_, spans[i]);
            if (first < 0) {
                sentences[i].found = false;
                continue;
            }
            sound[i] = {MsOfSample(first, recording_.rate), MsAfterSample(last, recording_.rate)};
        }
        std::size_t previous = spans.size();
        for (std::size_t i = 0; i < spans.size(); ++i) {
            if (!sentences[i].found)
                continue;
            const auto [start, end] = sound[i];
            Clip& clip = sentences[i].clip;
            clip.startMs = int(std::max<qint64>(0, start - kClipMarginMs));
            clip.endMs = int(std::min(recording_.LengthMs(), end + kClipMarginMs));
            if (previous < spans.size()) {
                const qint64 previousEnd = sound[previous].second;
                Clip& before = sentences[previous].clip;
                if (before.endMs > clip.startMs) {
                    // Too close for both margins: they meet halfway between
                    // the sounds, each clip keeping all of its own.
                    const int middle = int((previousEnd + start) / 2);
                    before.endMs = middle;
                    clip.startMs = middle;
                }
                const qint64 quiet = start - previousEnd;
                if (quiet < kLeastGapMs + 2 * kClipMarginMs)
                    Doubt(sentences, previous, i, quiet);
            }
            previous = i;
        }
    }

private:
    static void Doubt(std::vector<AlignedSentence>& sentences, std::size_t before, std::size_t after, qint64 quiet)
    {
        const QString why = quiet <= 20 ? QStringLiteral("no pause between sentences %1 and %2: their boundary is a best guess")
                                              .arg(before + 1).arg(after + 1)
                                        : QStringLiteral("only %1 ms of quiet between sentences %2 and %3: a player may let "
                                                         "a piece of one be heard with the other")
                                              .arg(quiet).arg(before + 1).arg(after + 1);
        for (const std::size_t i : {before, after})
            if (sentences[i].doubt.isEmpty())
                sentences[i].doubt = why;
    }

    const Recording& recording_;
};

// The recording's speaker takes this many times the voice's frames, from
// the spans found (their median, so a few wrong ones do not pull it).
double PaceOf(const std::vector<Span>& spans, const Placing& placing, const std::vector<double>& lengths, double fallback)
{
    std::vector<double> ratios;
    for (std::size_t i = 0; i < spans.size(); ++i)
        if (spans[i].firstPiece >= 0)
            ratios.push_back(placing.Frames(spans[i].firstPiece, spans[i].endPiece) / lengths[i]);
    if (ratios.empty())
        return fallback;
    std::nth_element(ratios.begin(), ratios.begin() + std::ptrdiff_t(ratios.size() / 2), ratios.end());
    return ratios[ratios.size() / 2];
}

// The length of each rendering's sound, in 10 ms frames.
std::vector<double> RenderingLengths(const std::vector<SentenceRendering>& renderings)
{
    std::vector<double> lengths;
    for (const SentenceRendering& rendering : renderings) {
        const double ms = double(rendering.samples.size()) * 1000.0 / std::max(1, rendering.rate) - 2.0 * kClipMarginMs;
        lengths.push_back(std::max(1.0, ms / kFeatureFrameMs));
    }
    return lengths;
}

// How many pauses each sentence may make: as many as its rendering makes
// inside its sound, or its text has places for.
std::vector<int> RenderingPauses(const std::vector<SentenceRendering>& renderings)
{
    std::vector<int> pauses;
    for (const SentenceRendering& rendering : renderings) {
        Recording voice{rendering.samples, rendering.rate, {}, kQuietLevel};
        const std::vector<bool> sound = FramesWithSound(voice);
        int count = 0;
        qsizetype quiet = 0;
        bool started = false;
        for (const bool frame : sound) {
            if (frame) {
                if (started && quiet >= kShortestPauseFrames)
                    ++count;
                started = true;
                quiet = 0;
            } else {
                ++quiet;
            }
        }
        pauses.push_back(std::max(count, rendering.breaks));
    }
    return pauses;
}


void JudgeLengths(const std::vector<Span>& spans, const Placing& placing, const std::vector<double>& lengths,
                  double pace, std::vector<AlignedSentence>& sentences)
{
    for (std::size_t i = 0; i < spans.size(); ++i) {
        if (spans[i].firstPiece < 0)
            continue;
        const double ratio = placing.Frames(spans[i].firstPiece, spans[i].endPiece) / (pace * lengths[i]);
        if (ratio > kFoundRatio || ratio < 1 / kFoundRatio)
            continue;
        sentences[i].found = true;
        if (ratio > kSureRatio || ratio < 1 / kSureRatio)
            sentences[i].doubt = QStringLiteral("it takes %1 times as long as expected: it may hold more or less than its text")
                                     .arg(ratio, 0, 'f', 1);
    }
}

std::vector<FrameSpan> FrameSpans(const std::vector<Span>& spans, const std::vector<Piece>& pieces)
{
    std::vector<FrameSpan> frames(spans.size());
    for (std::size_t i = 0; i < spans.size(); ++i) {
        if (spans[i].firstPiece < 0)
            continue;
        const Piece& last = pieces[std::size_t(spans[i].endPiece - 1)];
        frames[i] = {pieces[std::size_t(spans[i].firstPiece)].first, last.last, last.dipAfter};
    }
    return frames;
}

// Sentences that run into the next have their meeting point found by the
// words themselves.
void SplitRunOns(const SpeechFeatures& features, const std::vector<SentenceRendering>& renderings,
                 std::vector<FrameSpan>& spans, const std::vector<AlignedSentence>& sentences)
{
    for (std::size_t i = 0; i + 1 < spans.size(); ++i) {
        if (!spans[i].runsOn || !sentences[i].found || !sentences[i + 1].found || spans[i + 1].first != spans[i].last + 1)
            continue;
        const qsizetype meeting = MeetingFrame(features, spans[i], spans[i + 1], renderings[i], renderings[i + 1]);
        spans[i].last = meeting;
        spans[i + 1].first = meeting + 1;
    }
}

} // namespace

int PlacesToPause(const QString& text)
{
    static const QRegularExpression breaks(QStringLiteral("[.!?;:,]+\\s+(?=\\S)"));
    int count = 0;
    for (auto match = breaks.globalMatch(text.trimmed()); match.hasNext(); match.next())
        ++count;
    return count;
}

std::vector<AlignedSentence> AlignSentences(const Recording& recording, const std::vector<SentenceRendering>& renderings)
{
    std::vector<AlignedSentence> sentences(renderings.size());
    if (renderings.empty() || recording.rate <= 0 || recording.samples.empty())
        return sentences;
    const SpeechFeatures features = SpeechFeatures::Of(recording.samples.data(), qsizetype(recording.samples.size()), recording.rate);
    const std::vector<Piece> pieces = PiecesOf(FramesWithSound(recording), features);
    if (pieces.empty())
        return sentences;
    const std::vector<double> lengths = RenderingLengths(renderings);
    const std::vector<int> pauses = RenderingPauses(renderings);
    const Placing placing(pieces, lengths, pauses);

    // A first pace from the whole: all of the sound against all of the
    // voice's; then the pace the first placing shows, and a second placing.
    double sound = 0;
    for (const Piece& piece : pieces)
        sound += double(piece.last - piece.first + 1) + double(std::min<qsizetype>(piece.pauseAfter, kFullPauseFrames));
    double pace = sound / std::accumulate(lengths.begin(), lengths.end(), 0.0);
    std::vector<Span> spans = placing.Place(pace);
    pace = PaceOf(spans, placing, lengths, pace);
    spans = placing.Place(pace);
    // The words decide between placings whose lengths and pauses fit alike.
    WordsCost words(pieces, features, renderings, spans);
    spans = placing.Place(pace, &words);
    words.Measure(spans);
    spans = placing.Place(pace, &words);
    pace = PaceOf(spans, placing, lengths, pace);

    JudgeLengths(spans, placing, lengths, pace, sentences);
    std::vector<FrameSpan> frames = FrameSpans(spans, pieces);
    SplitRunOns(features, renderings, frames, sentences);
    ClipPlacer(recording).Place(frames, sentences);
    return sentences;
}

} // namespace bookmaker
