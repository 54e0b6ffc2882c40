// bookmaker: compiles the bundled course's sentence books and inspects books.
//
//   bookmaker sentence SOURCE OUTDIR   compile a course source (see README.md)
//   bookmaker word SOURCE OUTDIR       compile a word source
//   bookmaker dump BOOK.jz|BOOK.wd     print the tables the program loads
//   bookmaker check BOOK.jz|BOOK.wd    tell whether a book and its recordings are usable

#include "AlignCommand.h"
#include "BookCommands.h"
#include "WordCommands.h"

#include <QGuiApplication>
#include <QString>

#include "platform/Fonts.h"

#include <cstdio>
#include <cstring>

namespace {

int Usage()
{
    std::fputs("usage: bookmaker sentence SOURCE OUTDIR\n"
               "       bookmaker align SOURCE OUTDIR\n"
               "       bookmaker word SOURCE OUTDIR\n"
               "       bookmaker dump BOOK.jz|BOOK.wd\n"
               "       bookmaker check BOOK.jz|BOOK.wd\n",
               stderr);
    return 2;
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
    if (argc == 4 && std::strcmp(argv[1], "sentence") == 0)
        return bookmaker::CompileSentenceBook(Argument(argv[2]), Argument(argv[3]));
    if (argc == 4 && std::strcmp(argv[1], "align") == 0)
        return bookmaker::AlignSentenceBook(Argument(argv[2]), Argument(argv[3]));
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
