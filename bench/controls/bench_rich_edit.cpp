// Showing a help page in the help dialog's rich-text box.
//
// Generates three pages of up to 1 MB (or of the size given as the first
// argument, in bytes) and times loading each into a shown box until its first
// screenful is painted, as a learner waits for it after pressing a page
// button:
//   tiny_runs   200,000 runs of one letter, bold and plain by turns, in
//               paragraphs of 400 runs
//   one_para    the same runs in one paragraph
//   huge_run    one paragraph of text in one format
//   paragraphs  short paragraphs, each its own line
// Prints the worst time of each page over the runs (default 5, or the second
// argument) and the worst of all three; the aim is worst_ms <= 200. A long
// page's rest comes in from the event loop while the learner reads: also
// printed are the worst time until a whole page is in (whole_ms) and the
// longest the event loop is kept busy meanwhile (turn_ms), the pause a
// learner scrolling then might notice.

#include "controls/RichEdit.h"

#include <QApplication>
#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

namespace {

constexpr qsizetype kDefaultPageBytes = 1 << 20;
constexpr int kDefaultRuns = 5;

// Our help pages' header: code page, fonts, colours, the box's text size.
const QByteArray kHeader =
    "{\\rtf1\\ansi\\ansicpg936\\deff0\\deflang2052"
    "{\\fonttbl{\\f0\\fnil\\fcharset134 KaiTi;}{\\f1\\fswiss\\fcharset0 Arial;}}"
    "{\\colortbl ;\\red0\\green0\\blue0;\\red0\\green64\\blue128;}"
    "\\viewkind4\\uc1\\pard\\f0\\fs21 ";

// Repeats `piece(k)` for k = 0, 1, ... while the page stays within `bytes`.
QByteArray Page(qsizetype bytes, const std::function<QByteArray(int)>& piece)
{
    QByteArray page = kHeader;
    page.reserve(bytes);
    for (int k = 0;; ++k) {
        const QByteArray next = piece(k);
        if (page.size() + next.size() + 1 > bytes)
            break;
        page += next;
    }
    return page + '}';
}

// Four or five bytes a run.
QByteArray TinyRun(int k)
{
    return k % 2 == 0 ? "\\b a" : "\\b0 b";
}

QByteArray TinyRuns(qsizetype bytes)
{
    return Page(bytes, [](int k) { return k % 400 == 399 ? TinyRun(k) + "\\par " : TinyRun(k); });
}

QByteArray RunsInOneParagraph(qsizetype bytes)
{
    return Page(bytes, TinyRun);
}

QByteArray HugeRun(qsizetype bytes)
{
    // English words and GBK-escaped Chinese (学习), never a paragraph break.
    return Page(bytes, [](int k) -> QByteArray {
        return k % 2 == 0 ? "listen and read " : "\\'d1\\'a7\\'cf\\'b0 ";
    });
}

QByteArray Paragraphs(qsizetype bytes)
{
    return Page(bytes, [](int k) -> QByteArray {
        return k % 3 == 0 ? "\\par " : "line " + QByteArray::number(k % 97) + "\\par ";
    });
}

double Milliseconds(const std::function<void()>& work)
{
    const auto start = std::chrono::steady_clock::now();
    work();
    const std::chrono::duration<double, std::milli> elapsed = std::chrono::steady_clock::now() - start;
    return elapsed.count();
}

bool WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const qsizetype bytes = argc > 1 ? std::atoll(argv[1]) : kDefaultPageBytes;
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : kDefaultRuns;

    struct Case {
        const char* name;
        QByteArray page;
        QString path;
        double worstMs = 0;
        double wholeMs = 0;
        double turnMs = 0;
    };
    std::vector<Case> cases{{"tiny_runs", TinyRuns(bytes), {}},
                            {"one_para", RunsInOneParagraph(bytes), {}},
                            {"huge_run", HugeRun(bytes), {}},
                            {"paragraphs", Paragraphs(bytes), {}}};
    QTemporaryDir folder;
    for (Case& c : cases) {
        c.path = folder.filePath(QString::fromLatin1(c.name) + ".rtf");
        if (!folder.isValid() || !WriteFile(c.path, c.page)) {
            std::fprintf(stderr, "bench_rich_edit: cannot write %s\n", c.name);
            return 1;
        }
    }

    // The help dialog's box: its size, read-only, shown.
    TRichEdit box(nullptr, {23, 60, 417, 369});
    box.SetReadOnly(true);
    box.show();
    app.processEvents();

    // The pages take turns, so each load replaces a different page, as when
    // a learner goes from page to page.
    for (int run = 0; run < runs; ++run) {
        for (Case& c : cases) {
            const double ms = Milliseconds([&] {
                box.LoadFromFile(c.path);
                box.viewport()->repaint();
            });
            c.worstMs = std::max(c.worstMs, ms);
            if (box.Text().isEmpty()) {
                std::fprintf(stderr, "bench_rich_edit: %s showed nothing\n", c.name);
                return 1;
            }
            double wholeMs = ms;
            while (box.Loading()) {
                const double turnMs = Milliseconds([&] { app.processEvents(); });
                c.turnMs = std::max(c.turnMs, turnMs);
                wholeMs += turnMs;
            }
            c.wholeMs = std::max(c.wholeMs, wholeMs);
        }
    }
    double worstMs = 0;
    double wholeMs = 0;
    double turnMs = 0;
    for (const Case& c : cases) {
        worstMs = std::max(worstMs, c.worstMs);
        wholeMs = std::max(wholeMs, c.wholeMs);
        turnMs = std::max(turnMs, c.turnMs);
    }
    std::printf("rich_edit: page_bytes=%lld worst_ms=%.1f tiny_runs_ms=%.1f one_para_ms=%.1f huge_run_ms=%.1f"
                " paragraphs_ms=%.1f whole_ms=%.1f turn_ms=%.1f\n",
                static_cast<long long>(bytes), worstMs, cases[0].worstMs, cases[1].worstMs, cases[2].worstMs,
                cases[3].worstMs, wholeMs, turnMs);
    return 0;
}
