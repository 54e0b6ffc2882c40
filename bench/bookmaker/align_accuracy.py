#!/usr/bin/env python3
"""How exactly `bookmaker align` finds sentences in recordings of real speech.

Speaks the bundled course's sentences with festival's ked voice (an engine and
a voice the bookmaker's own flite does not have) at two speaking rates, lays
them end to end with pauses of 0.7 to 1.5 s as a textbook recording does, and
adds white noise at 20 dB below the speech for the noisy runs. The truth is
known: each sentence's clip is its sound (every sample above -50 dBFS in the
clean rendering) with 50 ms of quiet at each end, the rule the bookmaker's
clips keep. Runs `bookmaker align` on each recording and prints the share of
clip boundaries within 50 ms and within 100 ms of the truth, the time taken
and how `bookmaker check` judged the book.

  bench/bookmaker/align_accuracy.py BOOKMAKER [--lessons N] [--long MINUTES]

--long MINUTES instead builds one recording of that length (sentences
repeated as needed) and reports the time and peak memory of aligning it.
Needs festival, festvox-kdlpc16k and sox (scripts/setup installs them).
"""

import argparse
import array
import os
import random
import re
import resource
import subprocess
import sys
import tempfile
import time
import wave

QUIET = 103        # -50 dBFS of 16-bit sound
MARGIN_MS = 50
RATE = 16000
ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))


def course_sentences():
    """(lesson title, [(en, say, zh)]) of every bundled lesson."""
    lessons = []
    for name in sorted(os.listdir(os.path.join(ROOT, "data", "course"))):
        if not name.endswith(".txt"):
            continue
        current = None
        for line in open(os.path.join(ROOT, "data", "course", name), encoding="utf-8"):
            m = re.match(r"^([a-z]+):\s*(.*)$", line.strip())
            if not m:
                continue
            key, value = m.groups()
            if key == "lesson":
                current = (value, [])
                lessons.append(current)
            elif key == "en" and current is not None:
                current[1].append([value, value, ""])
            elif key == "say" and current and current[1]:
                current[1][-1][1] = value
            elif key == "zh" and current and current[1]:
                current[1][-1][2] = value
    return lessons


def speak(text, stretch, path):
    subprocess.run(["text2wave", "-eval", "(voice_ked_diphone)", "-eval", "(Parameter.set 'Duration_Stretch %s)" % stretch,
                    "-o", path + ".raw.wav"], input=text.encode(), check=True,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    # The diphone voice leaves a small constant offset after its sound, which
    # no microphone records: filtered out, so that silence is silence.
    subprocess.run(["sox", "-V1", "-D", path + ".raw.wav", path, "vol", "0.9", "highpass", "30"], check=True)
    os.remove(path + ".raw.wav")
    with wave.open(path) as w:
        assert w.getframerate() == RATE and w.getnchannels() == 1 and w.getsampwidth() == 2
        samples = array.array("h", w.readframes(w.getnframes()))
    return samples


def sound_edges(samples):
    first = next((i for i, s in enumerate(samples) if abs(s) > QUIET), None)
    last = next((i for i in range(len(samples) - 1, -1, -1) if abs(samples[i]) > QUIET), None)
    return first, last


def build_recording(sentences, stretch, seed, cache, run_on=False):
    """The samples and the true clips (ms) of sentences spoken one after another."""
    rng = random.Random(seed)
    out = array.array("h", [0] * int(RATE * 0.8))
    truth = []
    for en, say, _ in sentences:
        key = (say, stretch)
        if key not in cache:
            cache[key] = speak(say, stretch, os.path.join(tempfile.gettempdir(), "align-accuracy.wav"))
        samples = cache[key]
        first, last = sound_edges(samples)
        cut = samples[first:last + 1]
        start = len(out)
        out.extend(cut)
        truth.append(((start * 1000) // RATE - MARGIN_MS, -((-(start + len(cut)) * 1000) // RATE) + MARGIN_MS))
        pause = rng.uniform(0.7, 1.5) if not run_on else rng.uniform(0.0, 0.05)
        out.extend([0] * int(RATE * pause))
    return out, truth


def write_wav(path, samples):
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(samples.tobytes())


def add_noise(clean_path, noisy_path, samples, truth, snr_db, seed):
    """White noise snr_db below the speech's RMS level (over the speech alone)."""
    energy, count = 0.0, 0
    for start, end in truth:
        part = samples[(start + MARGIN_MS) * RATE // 1000:(end - MARGIN_MS) * RATE // 1000]
        energy += sum(s * s for s in part)
        count += len(part)
    speech_rms = (energy / count) ** 0.5
    noise_rms = speech_rms / (10 ** (snr_db / 20))
    # sox's white noise at gain g has an RMS of about g * 32768 / sqrt(3).
    gain = noise_rms * (3 ** 0.5) / 32768
    duration = len(samples) / RATE
    noise = noisy_path + ".noise.wav"
    subprocess.run(["sox", "-R", "-n", "-r", str(RATE), "-b", "16", "-c", "1", noise, "synth", "%.3f" % duration,
                    "whitenoise", "vol", "%.6f" % gain], check=True)
    subprocess.run(["sox", "-D", "-m", "-v", "1", clean_path, "-v", "1", noise, "-b", "16", noisy_path], check=True)
    os.remove(noise)


def write_source(path, lessons, book):
    with open(path, "w", encoding="utf-8") as f:
        f.write("book: %s\nsound: %s\n" % (book, book))
        for title, recording, sentences in lessons:
            f.write("\nlesson: %s\nrecording: %s\n" % (title, recording))
            for en, say, zh in sentences:
                f.write("en: %s\n" % en)
                if say != en:
                    f.write("say: %s\n" % say)
                f.write("zh: %s\n" % zh)


def dump_clips(bookmaker, book_path):
    out = subprocess.run([bookmaker, "dump", book_path], check=True, capture_output=True, text=True).stdout
    clips, section = [], None
    for line in out.splitlines():
        if line.startswith("["):
            section = line
            continue
        cells = line.split("\t")
        if section == "[SenStringGrid]" and cells[0].isdigit():
            clips.append((int(cells[3]), int(cells[4])))
    return clips


def column_of_clips(bookmaker, book_path):
    return dump_clips(bookmaker, book_path)


def run_align(bookmaker, source, outdir):
    started = time.monotonic()
    result = subprocess.run(["/usr/bin/time", "-f", "%M", bookmaker, "align", source, outdir],
                            capture_output=True, text=True)
    elapsed = time.monotonic() - started
    lines = result.stderr.strip().splitlines()
    peak_kb = int(lines[-1]) if lines and lines[-1].isdigit() else -1
    warnings = sum(1 for line in lines if "warning:" in line)
    return result.returncode, elapsed, peak_kb, warnings, result.stderr


def accuracy(bookmaker, lessons_wanted):
    lessons = [l for l in course_sentences() if l[1]][:lessons_wanted]
    cache = {}
    print("condition        boundaries  within 50 ms  within 100 ms  median error  align time  warnings  check")
    for stretch in ("0.9", "1.25"):
        for noisy in (False, True):
            with tempfile.TemporaryDirectory() as folder:
                truths, source_lessons, total_ms = [], [], 0
                for number, (title, sentences) in enumerate(lessons, 1):
                    samples, truth = build_recording(sentences, stretch, number, cache)
                    total_ms += len(samples) * 1000 // RATE
                    clean = os.path.join(folder, "clean%02d.wav" % number)
                    write_wav(clean, samples)
                    name = "lesson%02d.wav" % number
                    if noisy:
                        add_noise(clean, os.path.join(folder, name), samples, truth, 20, number)
                    else:
                        os.rename(clean, os.path.join(folder, name))
                    truths.extend(truth)
                    source_lessons.append((title, name, sentences))
                source = os.path.join(folder, "accuracy.txt")
                write_source(source, source_lessons, "accuracy")
                out = os.path.join(folder, "out")
                status, elapsed, _, warnings, err = run_align(bookmaker, source, out)
                label = "rate %s %s" % (stretch, "noise 20 dB" if noisy else "clean")
                if status != 0:
                    print("%-16s align failed:\n%s" % (label, err))
                    continue
                book = os.path.join(out, "EnglishBook", "accuracy.jz")
                clips = dump_clips(bookmaker, book)
                errors = sorted(abs(a - b) for clip, true in zip(clips, truths) for a, b in zip(clip, true))
                within = lambda ms: 100.0 * sum(e <= ms for e in errors) / len(errors)
                check = subprocess.run([bookmaker, "check", book], capture_output=True, text=True)
                verdict = "passes" if check.returncode == 0 else "%d findings" % len(check.stdout.splitlines())
                print("%-16s %10d  %11.1f%%  %12.1f%%  %9d ms  %8.1f s  %8d  %s   (%.1f min of speech)"
                      % (label, len(errors), within(50), within(100), errors[len(errors) // 2], elapsed, warnings,
                         verdict, total_ms / 60000))


def long_run(bookmaker, minutes):
    sentences = [s for _, lesson in course_sentences() for s in lesson]
    cache = {}
    with tempfile.TemporaryDirectory() as folder:
        chosen, length_ms = [], 0
        while length_ms < minutes * 60000:
            sentence = sentences[len(chosen) % len(sentences)]
            chosen.append(sentence)
            part, _ = build_recording([sentence], "1.0", len(chosen), cache)
            length_ms += len(part) * 1000 // RATE - 800   # the sentence and its pause, without the lead-in
        samples, truth = build_recording(chosen, "1.0", 1, cache)
        # Repeated sentences would be duplicates in the book: number them.
        numbered = [("%s (%d)" % (en.rstrip(".!?"), i + 1), say, zh or "句子") for i, (en, say, zh) in enumerate(chosen)]
        clean = os.path.join(folder, "clean.wav")
        write_wav(clean, samples)
        add_noise(clean, os.path.join(folder, "chapter.wav"), samples, truth, 20, 1)
        os.remove(clean)
        source = os.path.join(folder, "chapter.txt")
        write_source(source, [("chapter", "chapter.wav", numbered)], "chapter")
        status, elapsed, peak_kb, warnings, err = run_align(bookmaker, source, os.path.join(folder, "out"))
        if status != 0:
            print(err)
            sys.exit(1)
        clips = dump_clips(bookmaker, os.path.join(folder, "out", "EnglishBook", "chapter.jz"))
        errors = sorted(abs(a - b) for clip, true in zip(clips, truth) for a, b in zip(clip, true))
        recording_s = len(samples) / RATE
        print("recording %.1f min, %d sentences, noise 20 dB: aligned in %.1f s (%.3f of its duration), "
              "peak memory %d MB, %.1f%% of boundaries within 50 ms, %.1f%% within 100 ms, %d warnings"
              % (recording_s / 60, len(chosen), elapsed, elapsed / recording_s, peak_kb // 1024,
                 100.0 * sum(e <= 50 for e in errors) / len(errors), 100.0 * sum(e <= 100 for e in errors) / len(errors),
                 warnings))


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("bookmaker")
    parser.add_argument("--lessons", type=int, default=6)
    parser.add_argument("--long", type=float, default=0)
    args = parser.parse_args()
    if args.long:
        long_run(os.path.abspath(args.bookmaker), args.long)
    else:
        accuracy(os.path.abspath(args.bookmaker), args.lessons)


if __name__ == "__main__":
    main()
