#pragma once
// The layout of a word book (.wd) file, shared by the reader and the writer.
// A book is nothing but a run of fixed 125-byte records; a trailing partial
// record is ignored. Records 0 to 9 are never read (the writer zero-fills
// them); record 10 + n - 1 holds word n.
//
// Every field of a word record is a length byte followed by the field's
// capacity in bytes, of which the first `length` are the text. A length byte
// larger than the capacity is read as the capacity, so no field ever reaches
// into its neighbour. All texts are GBK (code page 936); Word, Phonetic and
// the clip points are plain ASCII in practice, for which GBK is the identity.
//
// The stored phonetic code. A book keeps its transcription in plain ASCII;
// ToPhoneticFont maps it to the characters at which the phonetic font draws
// the IPA symbols:
//
//   stored  display  drawn
//     1       B       æ
//     2       Q       ɑ
//     3       E       ɔ
//     4       Z       ə
//     5       A       ɛ
//     6       R       ɪ
//     7       F       ʊ
//     8       T       ʌ
//     9       N       θ
//     0       W       ð
//     =       V       ŋ
//     '       5       ˈ  primary stress
//     ;       7       ˌ  secondary stress
//     S       S       ʃ  passes unchanged; the font draws it as IPA
//     J       J       ʒ  passes unchanged; the font draws it as IPA
//     :       :       ː  passes unchanged; the font draws it as IPA
//
// Every other lower-case letter stands for itself (a b d e f g h i j k l m n
// o p r s t u v w z), so diphthongs and affricates are spelt from the above:
// tʃ "tS", dʒ "dJ", eɪ "e6", aɪ "a6", oʊ "o7", aʊ "a7", ɔɪ "36", ɚ "4r".
// Upper-case letters other than S and J do not occur in stored codes.
// Example: "apple" /ˈæpəl/ is stored "'1p4l" and displayed "5BpZl".

#include <QtGlobal>

namespace word::wd {

inline constexpr qsizetype kRecordSize = 125;
inline constexpr qsizetype kFirstWordRecord = 10;   // word n is record 9 + n

// Field offsets inside a word record (each the field's length byte) and
// their text capacities in bytes.
inline constexpr qsizetype kWordOffset = 0;
inline constexpr qsizetype kWordCapacity = 30;
inline constexpr qsizetype kPhoneticOffset = 31;
inline constexpr qsizetype kPhoneticCapacity = 30;
inline constexpr qsizetype kMeaningOffset = 62;
inline constexpr qsizetype kMeaningCapacity = 40;
inline constexpr qsizetype kStartPointOffset = 103;
inline constexpr qsizetype kStartPointCapacity = 10;
inline constexpr qsizetype kEndPointOffset = 114;
inline constexpr qsizetype kEndPointCapacity = 10;

static_assert(kEndPointOffset + 1 + kEndPointCapacity == kRecordSize, "the fields fill the record exactly");

} // namespace word::wd
