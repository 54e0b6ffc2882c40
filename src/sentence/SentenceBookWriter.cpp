#include "SentenceBookWriter.h"

#include "platform/BookFolder.h"
#include "platform/TextEncoding.h"
#include "sentence/SentenceBookFormat.h"

#include <QtEndian>

#include <algorithm>
#include <cstring>

namespace sentence {
namespace {

using namespace jz;

void PutInt32(char* record, qsizetype offset, qint32 value)
{
    qToLittleEndian<qint32>(value, record + offset);
}

void PutPlainText(char* record, qsizetype offset, const QString& text, qsizetype capacity)
{
    const QByteArray bytes = platform::FitGbk(platform::UnicodeToGbk(text), capacity);
    record[offset] = char(bytes.size());
    std::memcpy(record + offset + 1, bytes.constData(), size_t(bytes.size()));
}

void PutEncodedText(char* record, qsizetype offset, const QString& text)
{
    const QByteArray stored = EncodeBookText(platform::FitGbk(platform::UnicodeToGbk(text), kTextCapacity));
    record[offset] = char(stored.size());
    std::memcpy(record + offset + 1, stored.constData(), size_t(stored.size()));
}

void PutSentence(char* record, const BookSentence& sentence)
{
    PutEncodedText(record, kEnglishOffset, sentence.english);
    PutEncodedText(record, kChineseOffset, sentence.chinese);
    PutInt32(record, kStartOffset, sentence.start);
    PutInt32(record, kEndOffset, sentence.end);
    PutEncodedText(record, kAnnotationOffset, sentence.annotation);
    PutPlainText(record, kMemoryMarkOffset, sentence.memoryMark, kMemoryMarkCapacity);
    PutInt32(record, kNoteNumberOffset, sentence.noteNumber);
}

void PutLesson(char* record, const BookLesson& lesson)
{
    PutEncodedText(record, kEnglishOffset, lesson.title);
    PutInt32(record, kStartOffset, lesson.first);
    PutInt32(record, kEndOffset, lesson.last);
    PutEncodedText(record, kAnnotationOffset, lesson.recording);
}

bool Fits(const QString& text, qsizetype capacity)
{
    return platform::UnicodeToGbk(text).size() <= capacity;
}

void CheckText(QStringList& problems, const QString& where, const QString& field, const QString& text,
               qsizetype capacity = kTextCapacity)
{
    if (!Fits(text, capacity))
        problems.append(QStringLiteral("%1的%2超过 %3 字节，会被截断").arg(where, field).arg(capacity));
}

} // namespace

SentenceBookWriter::SentenceBookWriter(QString soundFolder) : soundFolder_(std::move(soundFolder)) {}

int SentenceBookWriter::AddSentence(const BookSentence& sentence)
{
    sentences_.append(sentence);
    return int(sentences_.size());
}

int SentenceBookWriter::AddLesson(const BookLesson& lesson)
{
    lessons_.append(lesson);
    return int(lessons_.size());
}

QStringList SentenceBookWriter::Problems() const
{
    QStringList problems;
    CheckText(problems, QStringLiteral("书头"), QStringLiteral("声音文件夹名"), soundFolder_);
    if (lessons_.isEmpty())
        problems.append(QStringLiteral("书中没有课文"));
    if (lessons_.size() > kMaxLessons)
        problems.append(QStringLiteral("课文有 %1 课，最多只能放 %2 课").arg(lessons_.size()).arg(kMaxLessons));
    if (sentences_.isEmpty())
        problems.append(QStringLiteral("书中没有句子"));
    if (sentences_.size() > kMaxSentences)
        problems.append(QStringLiteral("句子有 %1 句，最多只能放 %2 句").arg(sentences_.size()).arg(kMaxSentences));
    for (qsizetype k = 0; k < lessons_.size(); ++k) {
        const BookLesson& lesson = lessons_[k];
        const QString where = QStringLiteral("第 %1 课").arg(k + 1);
        CheckText(problems, where, QStringLiteral("标题"), lesson.title);
        CheckText(problems, where, QStringLiteral("音频名"), lesson.recording);
        if (lesson.first < 1 || lesson.last < lesson.first || lesson.last > sentences_.size())
            problems.append(QStringLiteral("%1的句子范围 %2–%3 不在 1–%4 之内")
                                .arg(where).arg(lesson.first).arg(lesson.last).arg(sentences_.size()));
    }
    for (qsizetype k = 0; k < sentences_.size(); ++k) {
        const BookSentence& sentence = sentences_[k];
        const QString where = QStringLiteral("第 %1 句").arg(k + 1);
        CheckText(problems, where, QStringLiteral("英语"), sentence.english);
        CheckText(problems, where, QStringLiteral("中文"), sentence.chinese);
        CheckText(problems, where, QStringLiteral("注解"), sentence.annotation);
        CheckText(problems, where, QStringLiteral("记忆标记"), sentence.memoryMark, kMemoryMarkCapacity);
    }
    return problems;
}

QByteArray SentenceBookWriter::ToBytes() const
{
    const qsizetype lessonCount = std::min(lessons_.size(), kMaxLessons);
    const qsizetype sentenceCount = std::min(sentences_.size(), kMaxSentences);
    QByteArray bytes((kFirstSentenceRecord + sentenceCount) * kRecordSize, '\0');
    char* const records = bytes.data();

    char* header = records + kHeaderRecord * kRecordSize;
    PutPlainText(header, kEnglishOffset, soundFolder_, kTextCapacity);
    qToLittleEndian<quint16>(quint16(lessonCount), header + kStartOffset);
    for (qsizetype k = 0; k < lessonCount; ++k)
        PutLesson(records + (kFirstLessonRecord + k) * kRecordSize, lessons_[k]);
    for (qsizetype k = 0; k < sentenceCount; ++k)
        PutSentence(records + (kFirstSentenceRecord + k) * kRecordSize, sentences_[k]);
    return bytes;
}

bool SentenceBookWriter::WriteFile(const QString& path, QString* error) const
{
    return platform::WriteBookFile(path, ToBytes(), error);
}

} // namespace sentence
