#pragma once
// A word book's phonetic transcriptions: the IPA a course author writes (or
// the voice's own dictionary gives) turned into the plain-ASCII code a word
// book stores, which the program maps onto the phonetic font.

#include <QString>

namespace bookmaker {

// The stored code of an American IPA transcription: æ ɑ ɔ ə ɛ ɪ ʊ ʌ θ ð ŋ ˈ ˌ
// become 1 2 3 4 5 6 7 8 9 0 = ' ; and ʃ ʒ ː become S J :; lower-case letters
// and spaces stay. ɡ is written g, ɹ r, and the r-coloured ɚ and ɝ "ər".
// False (with the offending character in `error`) for anything else.
bool StoredPhonetic(const QString& ipa, QString& stored, QString& error);

// The American IPA of an English word or phrase as the voice says it, from
// flite's lexicon and, for words it lacks, its spelling rules: each word's
// sounds with a stress mark before each stressed syllable of a longer word
// (the lexicon does not tell primary from secondary stress: the first
// stressed syllable is taken as primary, later ones as secondary); words
// separated by a space. Empty when the text has no letters.
QString VoiceIpa(const QString& english);

// Whether flite's lexicon holds `word` (in any case). It keeps only the words
// its spelling rules would say wrongly: names and odd spellings, not common
// words.
bool InVoiceLexicon(const QString& word);

} // namespace bookmaker
