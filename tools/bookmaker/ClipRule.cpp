#include "ClipRule.h"

#include "SpeechSynthesizer.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace bookmaker {

qint64 Recording::LengthMs() const { return qint64(samples.size()) * 1000 / rate; }

qsizetype Recording::At(qint64 ms) const
{
    return qsizetype(std::clamp<qint64>(ms * rate / 1000, 0, qint64(samples.size())));
}

bool Recording::Loud(qsizetype i) const
{
    return sound.empty() ? std::abs(int(samples[std::size_t(i)])) > kQuietLevel : bool(sound[std::size_t(i)]);
}

namespace {

// The quiet of a recording is the level of its quietest tenth, in stretches
// of 50 ms: every lesson pauses far longer than that between its sentences.
constexpr int kQuietStretchMs = 50;
constexpr double kQuietShare = 0.1;
// Over a noisy quiet, sound is where the level of 20 ms around a sample
// stands this far above the quiet's: white noise's level over 20 ms wavers
// by 4 % of itself, so noise alone never gets there, while speech as soft as
// the noise itself does.
constexpr double kAboveQuiet = 1.35;
constexpr int kLevelReachMs = 10;

double QuietRms(const std::vector<short>& samples, int rate)
{
    const std::size_t stretch = std::size_t(std::max(1, rate * kQuietStretchMs / 1000));
    std::vector<double> levels;
    for (std::size_t from = 0; from + stretch <= samples.size(); from += stretch) {
        double energy = 0;
        for (std::size_t i = from; i < from + stretch; ++i)
            energy += double(samples[i]) * samples[i];
        levels.push_back(std::sqrt(energy / double(stretch)));
    }
    if (levels.size() < 10)
        return 0;
    const auto quietest = levels.begin() + std::ptrdiff_t(double(levels.size()) * kQuietShare);
    std::nth_element(levels.begin(), quietest, levels.end());
    return *quietest;
}

} // namespace

void MeasureSound(Recording& recording)
{
    recording.sound.clear();
    recording.quietLevel = kQuietLevel;
    const double quiet = QuietRms(recording.samples, recording.rate);
    // A quiet whose peaks stay below -50 dBFS is silence: the plain rule holds.
    if (4.5 * quiet <= kQuietLevel)
        return;
    recording.quietLevel = int(std::min(32767.0, std::ceil(kAboveQuiet * quiet)));
    const std::vector<short>& samples = recording.samples;
    const std::size_t count = samples.size();
    const std::size_t reach = std::size_t(std::max(1, recording.rate * kLevelReachMs / 1000));
    const double least = double(recording.quietLevel) * recording.quietLevel;
    const auto energy = [&](std::size_t i) { return qint64(samples[i]) * samples[i]; };
    recording.sound.assign(count, false);
    // The energy of [i - reach, i + reach] slides along.
    qint64 sum = 0;
    for (std::size_t i = 0; i < std::min(reach, count); ++i)
        sum += energy(i);
    for (std::size_t i = 0; i < count; ++i) {
        if (i + reach < count)
            sum += energy(i + reach);
        if (i > reach)
            sum -= energy(i - reach - 1);
        const std::size_t first = i > reach ? i - reach : 0;
        const std::size_t last = std::min(count - 1, i + reach);
        recording.sound[i] = double(sum) / double(last - first + 1) > least;
    }
}

bool ReadRecording(const QString& path, Recording& sound)
{
    if (!ReadRecording(path, sound.samples, sound.rate))
        return false;
    MeasureSound(sound);
    return true;
}

std::vector<Clip> ClipsAroundSound(const Recording& sound, const std::vector<Clip>& planned, int searchMs, int marginMs)
{
    std::vector<Clip> placed;
    for (const Clip& clip : planned) {
        const qsizetype from = sound.At(qint64(clip.startMs) - searchMs);
        const qsizetype to = sound.At(qint64(clip.endMs) + searchMs);
        qsizetype first = -1;
        qsizetype last = -1;
        for (qsizetype i = from; i < to; ++i) {
            if (sound.Loud(i)) {
                last = i;
                if (first < 0)
                    first = i;
            }
        }
        if (first < 0) {
            placed.push_back(clip);
            continue;
        }
        // Start rounded down, end rounded up: every loud sample stays inside.
        const qint64 startMs = std::max<qint64>(0, qint64(first) * 1000 / sound.rate - marginMs);
        const qint64 endMs = std::min(sound.LengthMs(), (qint64(last + 1) * 1000 + sound.rate - 1) / sound.rate + marginMs);
        placed.push_back({int(startMs), int(endMs)});
    }
    return placed;
}

void CheckClipRule(const std::vector<LabelledClip>& clips, const Recording& sound, const QString& recordingWhere,
                   QStringList& problems)
{
    std::vector<bool> inClip(sound.samples.size(), false);
    qint64 previousEnd = -1;
    for (const LabelledClip& clip : clips) {
        const qint64 start = clip.startMs;
        const qint64 end = clip.endMs;
        if (start < 0 || end <= start || end > sound.LengthMs()) {
            problems.append(clip.where + QStringLiteral("clip %1-%2 ms does not fit the recording of %3 ms")
                                             .arg(start).arg(end).arg(sound.LengthMs()));
            continue;
        }
        if (previousEnd >= 0 && start - previousEnd < kLeastGapMs)
            problems.append(clip.where + QStringLiteral("only %1 ms of silence after the clip before it (%2 needed)")
                                             .arg(start - previousEnd).arg(kLeastGapMs));
        previousEnd = end;
        const qsizetype from = sound.At(start);
        const qsizetype to = sound.At(end);
        qsizetype first = -1;
        qsizetype last = -1;
        for (qsizetype i = from; i < to; ++i) {
            inClip[std::size_t(i)] = true;
            if (sound.Loud(i)) {
                last = i;
                if (first < 0)
                    first = i;
            }
        }
        if (first < 0) {
            problems.append(clip.where + QStringLiteral("clip %1-%2 ms holds no sound").arg(start).arg(end));
            continue;
        }
        const qint64 lead = qint64(first - from) * 1000 / sound.rate;
        const qint64 tail = qint64(to - 1 - last) * 1000 / sound.rate;
        if (lead < kLeastMarginMs || lead > kMostMarginMs || tail < kLeastMarginMs || tail > kMostMarginMs)
            problems.append(clip.where + QStringLiteral("clip %1-%2 ms keeps %3 ms of quiet before its sound and %4 ms "
                                                        "after it (%5 to %6 wanted)")
                                             .arg(start).arg(end).arg(lead).arg(tail).arg(kLeastMarginMs).arg(kMostMarginMs));
    }
    for (qsizetype i = 0; i < qsizetype(sound.samples.size()); ++i) {
        if (!inClip[std::size_t(i)] && sound.Loud(i)) {
            problems.append(recordingWhere + QStringLiteral("sound outside every clip at %1 ms")
                                                 .arg(qint64(i) * 1000 / sound.rate));
            break;
        }
    }
}

} // namespace bookmaker
