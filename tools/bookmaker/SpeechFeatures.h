#pragma once
// What the aligner compares speech by: every 10 ms, the short-time spectrum
// of the sound on the ear's (mel) scale, as cepstral coefficients, and the
// frame's loudness. Two speakers saying the same words give similar
// sequences, spoken at their own speeds; dynamic time warping lines them up.

#include <QtGlobal>

#include <vector>

namespace bookmaker {

inline constexpr int kFeatureFrameMs = 10;
inline constexpr int kCepstra = 12;   // coefficients 1..12; c0 (loudness) is kept apart

class SpeechFeatures {
public:
    // The features of `count` samples at `rate`, one frame per 10 ms.
    static SpeechFeatures Of(const short* samples, qsizetype count, int rate);

    qsizetype FrameCount() const { return qsizetype(loudness_.size()); }
    const float* Cepstra(qsizetype frame) const { return &cepstra_[std::size_t(frame) * kCepstra]; }
    // The frame's log energy, in dB below full scale.
    float Loudness(qsizetype frame) const { return loudness_[std::size_t(frame)]; }

    // Frames [from, to) with the mean of their cepstra taken away, so that the
    // microphone's and the room's colouring, alike in every frame, drops out.
    SpeechFeatures Normalised(qsizetype from, qsizetype to) const;
    // Another sequence appended after this one.
    void Append(const SpeechFeatures& more);
    // Frames of 20 ms, each the mean of two: for comparisons where the
    // finer grain costs more than it tells.
    SpeechFeatures Halved() const;

private:
    std::vector<float> cepstra_;
    std::vector<float> loudness_;
};

// Lines sequence `a` up with sequence `b` by dynamic time warping (both
// ends matched) and returns, for each frame of `a`, the first frame of `b`
// it is matched with. Frames of more than `band` apart after scaling both to
// the same length are not compared, which keeps long sequences affordable.
std::vector<qsizetype> WarpOnto(const SpeechFeatures& a, const SpeechFeatures& b, qsizetype band);
// The mean distance along that best path: low for the same words.
double WarpCost(const SpeechFeatures& a, const SpeechFeatures& b, qsizetype band);

} // namespace bookmaker
