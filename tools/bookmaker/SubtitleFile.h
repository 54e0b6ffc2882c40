#pragma once
// Subtitles as a course author finds them beside a recording: SRT or LRC, in
// UTF-8 or GBK, English alone or with its Chinese translation. A file is read
// whole or not at all: either every cue comes out, or none and every fault
// found, each naming its line.

#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>

namespace bookmaker {

enum class SubtitleFormat { Srt, Lrc };

struct SubtitleCue {
    qint64 startMs = 0;
    qint64 endMs = 0;              // meaningless when lastsToTheEnd
    bool lastsToTheEnd = false;    // an LRC file's last line: it runs to the recording's end
    QString english;               // printable ASCII, the learner types it
    QString chinese;               // empty when the file gives no translation
    int line = 0;                  // the line holding the cue's times
};

struct Subtitles {
    SubtitleFormat format = SubtitleFormat::Srt;
    QList<SubtitleCue> cues;       // in time order; empty when there are errors
    QStringList errors;            // "talk.srt:12: ..."
    QStringList warnings;
    bool Ok() const { return errors.isEmpty(); }
};

// Reads subtitles from `bytes`. The format is told by the content, the
// extension of `fileName` deciding only when the content does not; messages
// name `fileName`.
Subtitles ReadSubtitles(QByteArrayView bytes, const QString& fileName);

// The English of a subtitle as a learner can type it: typographic quotes,
// apostrophes, dashes, ellipses, full-width forms and unusual spaces become
// their ASCII counterparts, runs of spaces one space. Other characters stay.
QString TypeableEnglish(const QString& text);

// A time as an author looks it up in either format: "1:02.500".
QString CueTime(qint64 ms);

} // namespace bookmaker
