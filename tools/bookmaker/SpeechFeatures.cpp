#include "SpeechFeatures.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <complex>
#include <limits>
#include <numbers>

namespace bookmaker {
namespace {

constexpr int kWindowMs = 25;
constexpr int kMelBands = 24;
constexpr double kLowestHz = 100;
constexpr double kHighestHz = 7000;   // telephone-band consonants and a margin; above it is mostly hiss

double Mel(double hz) { return 2595.0 * std::log10(1.0 + hz / 700.0); }
double Hz(double mel) { return 700.0 * (std::pow(10.0, mel / 2595.0) - 1.0); }

int PowerOfTwoAtLeast(int n)
{
    int size = 1;
    while (size < n)
        size *= 2;
    return size;
}

// In-place radix-2 FFT; `data.size()` a power of two.
void Fft(std::vector<std::complex<float>>& data)
{
    const std::size_t n = data.size();
    for (std::size_t i = 1, j = 0; i < n; ++i) {
        std::size_t bit = n >> 1;
        for (; j & bit; bit >>= 1)
            j ^= bit;
        j ^= bit;
        if (i < j)
            std::swap(data[i], data[j]);
    }
    for (std::size_t length = 2; length <= n; length <<= 1) {
        const double angle = -2 * std::numbers::pi / double(length);
        const std::complex<float> step(float(std::cos(angle)), float(std::sin(angle)));
        for (std::size_t i = 0; i < n; i += length) {
            std::complex<float> turn(1, 0);
            for (std::size_t k = 0; k < length / 2; ++k) {
                const std::complex<float> even = data[i + k];
                const std::complex<float> odd = data[i + k + length / 2] * turn;
                data[i + k] = even + odd;
                data[i + k + length / 2] = even - odd;
                turn *= step;
            }
        }
    }
}

// Triangular mel filters over the FFT's bins: weights[band][bin].
std::vector<std::vector<float>> MelFilters(int fftSize, int rate)
{
    const double top = std::min(kHighestHz, rate / 2.0);
    const double low = Mel(kLowestHz);
    const double high = Mel(top);
    std::vector<double> edges(kMelBands + 2);
    for (int i = 0; i < kMelBands + 2; ++i)
        edges[std::size_t(i)] = Hz(low + (high - low) * i / (kMelBands + 1));
    std::vector<std::vector<float>> filters(kMelBands, std::vector<float>(std::size_t(fftSize / 2 + 1), 0.0f));
    for (int band = 0; band < kMelBands; ++band) {
        for (int bin = 0; bin <= fftSize / 2; ++bin) {
            const double hz = double(bin) * rate / fftSize;
            const double left = edges[std::size_t(band)], middle = edges[std::size_t(band + 1)],
                         right = edges[std::size_t(band + 2)];
            double weight = 0;
            if (hz > left && hz <= middle)
                weight = (hz - left) / (middle - left);
            else if (hz > middle && hz < right)
                weight = (right - hz) / (right - middle);
            filters[std::size_t(band)][std::size_t(bin)] = float(weight);
        }
    }
    return filters;
}

float Distance(const float* a, const float* b)
{
    float sum = 0;
    for (int i = 0; i < kCepstra; ++i)
        sum += (a[i] - b[i]) * (a[i] - b[i]);
    return std::sqrt(sum);
}

// The warping's accumulated costs inside the band, row by row; `from[i]` is
// the first column row i keeps.
struct WarpTable {
    qsizetype rows = 0, columns = 0, width = 0;
    std::vector<qsizetype> from;
    std::vector<float> cost;     // accumulated cost, rows * width
    std::vector<unsigned char> step;   // 0 diagonal, 1 from above, 2 from the left

    float At(qsizetype row, qsizetype column) const
    {
        if (row < 0 || column < 0 || column >= columns)
            return std::numeric_limits<float>::infinity();
        const qsizetype k = column - from[std::size_t(row)];
        if (k < 0 || k >= width)
            return std::numeric_limits<float>::infinity();
        return cost[std::size_t(row * width + k)];
    }
};

WarpTable Warp(const SpeechFeatures& a, const SpeechFeatures& b, qsizetype band)
{
    WarpTable table;
    table.rows = a.FrameCount();
    table.columns = b.FrameCount();
    table.width = std::min(table.columns, 2 * band + 1 + table.columns / std::max<qsizetype>(1, table.rows));
    table.from.resize(std::size_t(table.rows));
    table.cost.assign(std::size_t(table.rows * table.width), std::numeric_limits<float>::infinity());
    table.step.assign(table.cost.size(), 0);
    for (qsizetype row = 0; row < table.rows; ++row) {
        const qsizetype centre = table.rows > 1 ? row * (table.columns - 1) / (table.rows - 1) : 0;
        table.from[std::size_t(row)] =
            std::clamp<qsizetype>(centre - table.width / 2, 0, std::max<qsizetype>(0, table.columns - table.width));
        for (qsizetype k = 0; k < table.width; ++k) {
            const qsizetype column = table.from[std::size_t(row)] + k;
            const float here = Distance(a.Cepstra(row), b.Cepstra(column));
            if (row == 0 && column == 0) {
                table.cost[std::size_t(k)] = here;
                continue;
            }
            const float diagonal = table.At(row - 1, column - 1);
            const float above = table.At(row - 1, column);
            const float left = k > 0 ? table.cost[std::size_t(row * table.width + k - 1)]
                                     : std::numeric_limits<float>::infinity();
            float best = diagonal;
            unsigned char came = 0;
            if (above < best) {
                best = above;
                came = 1;
            }
            if (left < best) {
                best = left;
                came = 2;
            }
            table.cost[std::size_t(row * table.width + k)] = best + here;
            table.step[std::size_t(row * table.width + k)] = came;
        }
    }
    return table;
}

} // namespace

SpeechFeatures SpeechFeatures::Of(const short* samples, qsizetype count, int rate)
{
    SpeechFeatures features;
    if (rate <= 0 || count <= 0)
        return features;
    const int hop = std::max(1, rate * kFeatureFrameMs / 1000);
    const int window = std::max(2, rate * kWindowMs / 1000);
    const int fftSize = PowerOfTwoAtLeast(window);
    static thread_local std::vector<std::vector<float>> filters;
    static thread_local int filtersFor = 0;
    if (filtersFor != rate) {
        filters = MelFilters(fftSize, rate);
        filtersFor = rate;
    }
    std::vector<float> hamming(static_cast<std::size_t>(window));
    for (int i = 0; i < window; ++i)
        hamming[std::size_t(i)] = float(0.54 - 0.46 * std::cos(2 * std::numbers::pi * i / (window - 1)));
    const qsizetype frames = (count + hop - 1) / hop;
    features.cepstra_.reserve(std::size_t(frames * kCepstra));
    features.loudness_.reserve(std::size_t(frames));
    std::vector<std::complex<float>> spectrum(static_cast<std::size_t>(fftSize));
    std::array<float, kMelBands> bands{};
    std::vector<float> powerOfBin(static_cast<std::size_t>(fftSize / 2 + 1));
    // The bins each filter weighs, so the sums skip the zeros.
    std::vector<std::pair<int, int>> reach;
    for (const std::vector<float>& weights : filters) {
        int first = 0, end = int(weights.size());
        while (first < end && weights[std::size_t(first)] == 0)
            ++first;
        while (end > first && weights[std::size_t(end - 1)] == 0)
            --end;
        reach.emplace_back(first, end);
    }
    for (qsizetype frame = 0; frame < frames; ++frame) {
        // Each window is centred on its 10 ms frame.
        const qsizetype first = frame * hop + hop / 2 - window / 2;
        double energy = 0;
        std::fill(spectrum.begin(), spectrum.end(), std::complex<float>());
        for (int i = 0; i < window; ++i) {
            const qsizetype at = first + i;
            const float sample = (at >= 0 && at < count) ? samples[at] / 32768.0f : 0.0f;
            energy += double(sample) * sample;
            spectrum[std::size_t(i)] = sample * hamming[std::size_t(i)];
        }
        features.loudness_.push_back(float(10 * std::log10(energy / window + 1e-10)));
        Fft(spectrum);
        std::vector<float>& power = powerOfBin;
        for (int bin = 0; bin <= fftSize / 2; ++bin)
            power[std::size_t(bin)] = std::norm(spectrum[std::size_t(bin)]);
        for (int band = 0; band < kMelBands; ++band) {
            double sum = 0;
            const std::vector<float>& weights = filters[std::size_t(band)];
            for (int bin = reach[std::size_t(band)].first; bin < reach[std::size_t(band)].second; ++bin)
                sum += weights[std::size_t(bin)] * power[std::size_t(bin)];
            bands[std::size_t(band)] = float(std::log(sum + 1e-8));
        }
        for (int c = 1; c <= kCepstra; ++c) {
            double sum = 0;
            for (int band = 0; band < kMelBands; ++band)
                sum += bands[std::size_t(band)] * std::cos(std::numbers::pi * c * (band + 0.5) / kMelBands);
            features.cepstra_.push_back(float(sum));
        }
    }
    return features;
}

SpeechFeatures SpeechFeatures::Normalised(qsizetype from, qsizetype to) const
{
    SpeechFeatures part;
    from = std::clamp<qsizetype>(from, 0, FrameCount());
    to = std::clamp<qsizetype>(to, from, FrameCount());
    part.cepstra_.assign(cepstra_.begin() + from * kCepstra, cepstra_.begin() + to * kCepstra);
    part.loudness_.assign(loudness_.begin() + from, loudness_.begin() + to);
    if (to == from)
        return part;
    std::array<double, kCepstra> mean{};
    for (qsizetype frame = 0; frame < to - from; ++frame)
        for (int c = 0; c < kCepstra; ++c)
            mean[std::size_t(c)] += part.cepstra_[std::size_t(frame * kCepstra + c)];
    for (qsizetype frame = 0; frame < to - from; ++frame)
        for (int c = 0; c < kCepstra; ++c)
            part.cepstra_[std::size_t(frame * kCepstra + c)] -= float(mean[std::size_t(c)] / double(to - from));
    return part;
}

void SpeechFeatures::Append(const SpeechFeatures& more)
{
    cepstra_.insert(cepstra_.end(), more.cepstra_.begin(), more.cepstra_.end());
    loudness_.insert(loudness_.end(), more.loudness_.begin(), more.loudness_.end());
}

SpeechFeatures SpeechFeatures::Halved() const
{
    SpeechFeatures half;
    const qsizetype frames = (FrameCount() + 1) / 2;
    half.cepstra_.resize(std::size_t(frames * kCepstra));
    half.loudness_.resize(std::size_t(frames));
    for (qsizetype frame = 0; frame < frames; ++frame) {
        const qsizetype second = std::min(2 * frame + 1, FrameCount() - 1);
        for (int c = 0; c < kCepstra; ++c)
            half.cepstra_[std::size_t(frame * kCepstra + c)] = (Cepstra(2 * frame)[c] + Cepstra(second)[c]) / 2;
        half.loudness_[std::size_t(frame)] = std::max(Loudness(2 * frame), Loudness(second));
    }
    return half;
}

std::vector<qsizetype> WarpOnto(const SpeechFeatures& a, const SpeechFeatures& b, qsizetype band)
{
    std::vector<qsizetype> matched(std::size_t(a.FrameCount()), 0);
    if (a.FrameCount() == 0 || b.FrameCount() == 0)
        return matched;
    const WarpTable table = Warp(a, b, band);
    qsizetype row = table.rows - 1;
    qsizetype column = table.columns - 1;
    // Walking back, the last column reached in a row is its first match.
    while (row >= 0 && column >= 0) {
        matched[std::size_t(row)] = column;
        const qsizetype k = column - table.from[std::size_t(row)];
        if (row == 0 && column == 0)
            break;
        if (k < 0 || k >= table.width) {
            // Outside the band (a very uneven pair): follow the diagonal.
            --row;
            column = std::max<qsizetype>(0, column - 1);
            continue;
        }
        switch (table.step[std::size_t(row * table.width + k)]) {
        case 0: --row; --column; break;
        case 1: --row; break;
        default: --column; break;
        }
        if (column < 0)
            column = 0;
    }
    return matched;
}

double WarpCost(const SpeechFeatures& a, const SpeechFeatures& b, qsizetype band)
{
    if (a.FrameCount() == 0 || b.FrameCount() == 0)
        return std::numeric_limits<double>::infinity();
    const WarpTable table = Warp(a, b, band);
    return double(table.At(table.rows - 1, table.columns - 1)) / double(table.rows + table.columns);
}

} // namespace bookmaker
