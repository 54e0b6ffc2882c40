// bookmaker: compiles course sources into sentence and word books, makes
// books from recordings of real speech, and inspects books. `bookmaker
// --help` tells its commands (the help text below), README.md their formats.

#include "AlignCommand.h"
#include "BookCommands.h"
#include "ImportCommand.h"
#include "WordCommands.h"

#include <QGuiApplication>
#include <QString>

#include "platform/Fonts.h"

#include <cstdio>
#include <cstring>

namespace {

constexpr const char* kUsage =
    "usage: bookmaker sentence SOURCE OUTDIR\n"
    "       bookmaker align SOURCE OUTDIR\n"
    "       bookmaker import SUBTITLES RECORDING OUTDIR\n"
    "       bookmaker word SOURCE|WORDLIST OUTDIR\n"
    "       bookmaker dump BOOK.jz|BOOK.wd\n"
    "       bookmaker check BOOK.jz|BOOK.wd\n"
    "       bookmaker --help\n";

constexpr const char* kHelp =
    "\n"
    "sentence SOURCE OUTDIR\n"
    "    Compile a course source into OUTDIR/EnglishBook/<book>.jz, speaking\n"
    "    every lesson into OUTDIR/Sound/<folder>/ with the bookmaker's voice.\n"
    "align SOURCE OUTDIR\n"
    "    The same source, where every lesson names a recording of real speech\n"
    "    (\"recording: PATH\", an mp3, wav, flac or ogg file relative to the\n"
    "    source): each sentence is found in it, the recording is copied into\n"
    "    OUTDIR/Sound/<folder>/ and the book gets those clips. A sentence whose\n"
    "    clip may be wrong is named in a warning; one not found is a fault.\n"
    "import SUBTITLES RECORDING OUTDIR\n"
    "    A one-lesson book from an SRT or LRC file (UTF-8 or GBK) and its\n"
    "    recording: one sentence per cue, the cue times moved onto the speech,\n"
    "    Chinese lines of bilingual subtitles as the translations.\n"
    "word SOURCE OUTDIR\n"
    "    Compile a word source into OUTDIR/bdcBook/<book>.wd and its spoken\n"
    "    recording OUTDIR/bdcSound/<book>.mp3.\n"
    "word WORDLIST OUTDIR\n"
    "    From a plain list of English words, one per line, write the word source\n"
    "    OUTDIR/<list>.txt with each word's IPA from the voice's dictionary, for\n"
    "    the author to add the meanings to.\n"
    "dump BOOK.jz|BOOK.wd\n"
    "    Print a book's tables as the program loads them.\n"
    "check BOOK.jz|BOOK.wd\n"
    "    Say whether a book and its recordings are usable; exit 1 if not.\n"
    "\n"
    "Exit status: 0 on success, 1 on a fault in the input, 2 on a usage mistake.\n"
    "The formats are described in the bookmaker's README.md.\n";

int Usage()
{
    std::fputs(kUsage, stderr);
    return 2;
}

int Help()
{
    std::fputs(kUsage, stdout);
    std::fputs(kHelp, stdout);
    return 0;
}

bool AsksForHelp(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0)
            return true;
    return argc == 2 && std::strcmp(argv[1], "help") == 0;
}

QString Argument(const char* argument)
{
    return QString::fromLocal8Bit(argument);
}

bool IsWordBook(const char* path)
{
    return QString::fromLocal8Bit(path).endsWith(QStringLiteral(".wd"), Qt::CaseInsensitive);
}

} // namespace

int main(int argc, char** argv)
{
    if (AsksForHelp(argc, argv))
        return Help();
    if (argc == 4 && std::strcmp(argv[1], "sentence") == 0)
        return bookmaker::CompileSentenceBook(Argument(argv[2]), Argument(argv[3]));
    if (argc == 4 && std::strcmp(argv[1], "align") == 0)
        return bookmaker::AlignSentenceBook(Argument(argv[2]), Argument(argv[3]));
    if (argc == 5 && std::strcmp(argv[1], "import") == 0)
        return bookmaker::ImportSubtitles(Argument(argv[2]), Argument(argv[3]), Argument(argv[4]));
    if (argc == 4 && std::strcmp(argv[1], "word") == 0)
        return bookmaker::CompileWordBook(Argument(argv[2]), Argument(argv[3]));
    if (argc == 3 && std::strcmp(argv[1], "dump") == 0)
        return IsWordBook(argv[2]) ? bookmaker::DumpWordBook(Argument(argv[2])) : bookmaker::DumpBook(Argument(argv[2]));
    if (argc == 3 && std::strcmp(argv[1], "check") == 0) {
        // The check measures sentences in the dictation screen's font, which
        // needs the program's fonts but never a window.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        QGuiApplication fonts(argc, argv);
        platform::InstallFontSubstitutions();
        return IsWordBook(argv[2]) ? bookmaker::CheckWordBook(Argument(argv[2])) : bookmaker::CheckBook(Argument(argv[2]));
    }
    return Usage();
}
