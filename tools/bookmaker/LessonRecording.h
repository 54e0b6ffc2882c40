#pragma once
// A lesson's recording: its sentences one after another with silence between
// them, and where each sentence lies in it.

#include <QString>

#include <vector>

namespace bookmaker {

struct Clip {
    int startMs = 0;
    int endMs = 0;
};

class LessonRecording {
public:
    explicit LessonRecording(int sampleRate);

    // Appends one sentence and the pause after it; returns its clip. The
    // clip covers every sample of the sentence: its start is rounded down and
    // its end up to whole milliseconds.
    Clip AddSentence(const std::vector<short>& samples);
    // Writes a 16-bit mono WAV file, or an MP3 when `path` ends in ".mp3",
    // whole or not at all.
    bool Write(const QString& path, QString& error) const;

    qint64 SampleCount() const { return qint64(samples_.size()); }

private:
    void AddSilence(int milliseconds);

    int sampleRate_;
    std::vector<short> samples_;
};

// A recording's sound as 16-bit samples of its first channel; false if it
// cannot be read.
bool ReadRecording(const QString& path, std::vector<short>& samples, int& sampleRate);

} // namespace bookmaker
