#!/usr/bin/env python3
"""How clearly a sentence book's recordings speak, as an offline recogniser hears them.

usage: word_error_rate.py [--bookmaker PATH] BOOK.jz [BOOK.jz ...]

Each lesson recording is transcribed whole by pocketsphinx (Debian packages
pocketsphinx and pocketsphinx-en-us; only this measurement needs them), as the
whole-lesson player plays it, so the recogniser adapts to the voice as a
listener does. Every heard word goes to the clip its middle lies in, or the
nearest clip. Each sentence is printed with its word errors (substitutions,
insertions, deletions against the English text), then each book's word error
rate and, for several books, the rate over all of them.

Before scoring, both sides are lower-cased, punctuation and hyphens become
spaces, and contractions are read as their long forms ("it's" as "it is"):
they sound alike, and the recogniser's choice between them says nothing of the
voice.
"""
import argparse
import os
import re
import subprocess
from concurrent.futures import ThreadPoolExecutor

MODEL = "/usr/share/pocketsphinx/model/en-us"
HERE = os.path.dirname(os.path.abspath(__file__))
DEFAULT_BOOKMAKER = os.path.join(HERE, "..", "..", "build", "tools", "bookmaker", "bookmaker")

ESCAPES = {"\\": "\\", "t": "\t", "n": "\n", "r": "\r"}
CONTRACTED = {"s": "is", "re": "are", "m": "am", "ll": "will", "ve": "have", "d": "would"}
IRREGULAR = {"can't": "can not", "won't": "will not", "shan't": "shall not", "let's": "let us"}


def unescape(cell):
    return re.sub(r"\\(\\|t|n|r|x[0-9a-f]{2})",
                  lambda m: ESCAPES.get(m.group(1)) or chr(int(m.group(1)[1:], 16)), cell)


def dump(bookmaker, book):
    """The book's sound folder, lesson rows and sentence rows (captions left out)."""
    out = subprocess.run([bookmaker, "dump", book], capture_output=True, text=True, check=True).stdout
    lines = out.split("\n")
    folder = unescape(lines[0].split("\t")[1])
    tables = {"[ClassStringGrid]": [], "[SenStringGrid]": []}
    current = None
    for line in lines[1:]:
        if line in tables:
            current = tables[line]
        elif line and current is not None:
            current.append([unescape(c) for c in line.split("\t")])
    return folder, tables["[ClassStringGrid]"][1:], tables["[SenStringGrid]"][1:]


def words(text):
    text = text.lower().replace("mr.", "mister").replace("mrs.", "missus").replace("dr.", "doctor")
    text = re.sub(r"[^a-z' ]+", " ", text.replace("-", " "))
    out = []
    for word in text.split():
        word = word.strip("'")
        if not word:
            continue
        word = IRREGULAR.get(word, word)
        word = re.sub(r"n't$", " not", word)
        word = re.sub(r"'(s|re|m|ll|ve|d)$", lambda m: " " + CONTRACTED[m.group(1)], word)
        out.extend(word.split())
    return out


def edit_distance(ref, hyp):
    row = list(range(len(hyp) + 1))
    for i, r in enumerate(ref, 1):
        diagonal, row[0] = row[0], i
        for j, h in enumerate(hyp, 1):
            diagonal, row[j] = row[j], min(row[j] + 1, row[j - 1] + 1, diagonal + (r != h))
    return row[len(hyp)]


def heard_words(recording):
    """The words heard in a lesson recording, each with its middle in ms."""
    out = subprocess.run(["pocketsphinx_continuous", "-infile", recording, "-hmm", f"{MODEL}/en-us",
                          "-lm", f"{MODEL}/en-us.lm.bin", "-dict", f"{MODEL}/cmudict-en-us.dict",
                          "-logfn", "/dev/null", "-time", "yes"], capture_output=True, text=True, check=True).stdout
    heard = []
    for line in out.splitlines():
        parts = line.split()
        if len(parts) != 4 or parts[0].startswith(("<", "[")):
            continue
        try:
            start, end = float(parts[1]), float(parts[2])
        except ValueError:
            continue
        heard.append((re.sub(r"\(\d+\)$", "", parts[0]), 500 * (start + end)))
    return heard


def distance_to_clip(ms, clip):
    return 0 if clip["start"] <= ms <= clip["end"] else min(abs(ms - clip["start"]), abs(ms - clip["end"]))


def score_book(bookmaker, book):
    folder, lessons, sentences = dump(bookmaker, book)
    sound = os.path.join(os.path.dirname(os.path.abspath(book)), "..", "Sound", folder)
    clips = []
    for lesson in lessons:
        recording = os.path.join(sound, lesson[4])
        for number in range(int(lesson[2]), int(lesson[3]) + 1):
            row = sentences[number - 1]
            clips.append({"lesson": lesson[0], "number": row[0], "english": row[1], "recording": recording,
                          "start": int(row[3]), "end": int(row[4]), "heard": []})
    recordings = sorted({clip["recording"] for clip in clips})
    with ThreadPoolExecutor(os.cpu_count() or 2) as pool:
        heard = dict(zip(recordings, pool.map(heard_words, recordings)))
    for recording in recordings:
        own = [clip for clip in clips if clip["recording"] == recording]
        for word, ms in heard[recording]:
            min(own, key=lambda clip: distance_to_clip(ms, clip))["heard"].append(word)
    errors = total = 0
    for clip in clips:
        reference = words(clip["english"])
        wrong = edit_distance(reference, words(" ".join(clip["heard"])))
        errors += wrong
        total += len(reference)
        print(f"{wrong or '':>2} L{clip['lesson']} S{clip['number']}: {clip['english']}")
        if wrong:
            print(f"      heard: {' '.join(clip['heard'])}")
    print(f"== {os.path.basename(book)}: {len(lessons)} lessons, {len(clips)} sentences, {total} words, "
          f"{errors} errors, WER {100 * errors / max(total, 1):.1f} %")
    return len(lessons), len(clips), total, errors


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--bookmaker", default=DEFAULT_BOOKMAKER)
    parser.add_argument("books", nargs="+")
    arguments = parser.parse_args()
    sums = [0, 0, 0, 0]
    for book in arguments.books:
        sums = [a + b for a, b in zip(sums, score_book(arguments.bookmaker, book))]
    if len(arguments.books) > 1:
        print(f"== all {len(arguments.books)} books: {sums[0]} lessons, {sums[1]} sentences, {sums[2]} words, "
              f"{sums[3]} errors, WER {100 * sums[3] / max(sums[2], 1):.1f} %")


if __name__ == "__main__":
    main()
