// Loading a full-size sentence book: 65,535 sentences, about 51 MB.
//
// Prints the median time of loading the book into the catalogue tables (X)
// next to the median time of merely reading the file's bytes (Y) with the same
// large reads the loader makes, so X - Y is what turning records into table
// cells costs. The aim is X <= 5 * Y. X includes handing the tables to the
// lesson chooser's three grids and building lesson 1's sentence table, as the
// chooser does when it opens a book.
//
// Then the real path: the program's screen set over a program folder holding
// two full-size books, and the chooser's own handler for a click on the book
// list, switching from one book to the other and back (so neither book's
// memory is warm), timed against reading the bytes of the book switched to.
// Prints jz: switch_ms_median=S read_ms_median=R load_ms_median=X (R is the
// read beside the switches; the first read figure is left out).

#include "sentence/SentenceBook.h"
#include "sentence/SentenceBookFormat.h"
#include "sentence/SentenceBookWriter.h"
#include "app/ScreenSet.h"
#include "controls/Application.h"
#include "controls/Events.h"
#include "controls/Skin.h"
#include "controls/StringGrid.h"
#include "platform/MessageBoxes.h"
#include "platform/ProgramFolder.h"
#include "sentence/ChoiceClassForm.h"

#include <QApplication>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int kSentences = 65535;
constexpr int kLessons = 190;
constexpr int kRuns = 15;

// Texts of the sizes a real book holds; every fifth sentence is annotated.
sentence::SentenceBookWriter FullSizeBook()
{
    static const char* const english[] = {
        "Could you tell me how to get to the railway station, please?",
        "I'd like to book a table for two at seven o'clock tonight.",
        "We have been waiting for the bus for almost half an hour.",
        "Would you mind opening the window? It's rather warm in here.",
    };
    static const char* const chinese[] = {
        "请问去火车站怎么走？",
        "我想订一张今晚七点的两人桌。",
        "我们等公共汽车已经快半个小时了。",
        "你介意把窗户打开吗？这里面太热了。",
    };
    sentence::SentenceBookWriter writer("bench");
    for (int k = 1; k <= kSentences; ++k) {
        sentence::BookSentence sentence;
        sentence.english = QString::fromUtf8(english[k % 4]);
        sentence.chinese = QString::fromUtf8(chinese[k % 4]);
        sentence.start = k * 3000;
        sentence.end = k * 3000 + 2400;
        if (k % 5 == 0)
            sentence.annotation = QString::fromUtf8("“book”在这里是动词，意思是预订。");
        writer.AddSentence(sentence);
    }
    const int perLesson = kSentences / kLessons;
    for (int k = 0; k < kLessons; ++k) {
        const int last = k + 1 == kLessons ? kSentences : (k + 1) * perLesson;
        writer.AddLesson({QString::fromUtf8("第%1课").arg(k + 1), k * perLesson + 1, last,
                          QString("lesson%1.wav").arg(k + 1)});
    }
    return writer;
}

// Reads every byte of the file the way the loader does: reads of 512 records
// into one reused buffer. Returns a sum over what was read, so that the
// reading cannot be left out.
qint64 ReadAllBytes(const QString& path)
{
    constexpr qsizetype kRecordsPerRead = 512;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return -1;
    QByteArray buffer(kRecordsPerRead * sentence::jz::kRecordSize, Qt::Uninitialized);
    qint64 sum = 0;
    for (qint64 got; (got = file.read(buffer.data(), buffer.size())) > 0;)
        sum += got + static_cast<unsigned char>(buffer[0]);
    return sum;
}

double Milliseconds(const std::function<void()>& work)
{
    const auto start = std::chrono::steady_clock::now();
    work();
    const std::chrono::duration<double, std::milli> elapsed = std::chrono::steady_clock::now() - start;
    return elapsed.count();
}

double Median(std::vector<double> times)
{
    std::nth_element(times.begin(), times.begin() + qsizetype(times.size() / 2), times.end());
    return times[times.size() / 2];
}

// The screens' messages (there are no recordings here) are answered at once.
class SilentMessages final : public platform::MessageBoxes {
public:
    int Show(const QString&, const QString&, platform::MessageButtons) override { return platform::IDOK; }
};

struct SwitchFigures {
    bool ok = false;
    double switchMs = 0;
    double readMs = 0;
};

SwitchFigures MeasureSwitching(const QString& folder, const QString& bookPath)
{
    const QString books = folder + QStringLiteral("/program/EnglishBook");
    const QStringList names{QStringLiteral("A"), QStringLiteral("B")};
    if (!QDir().mkpath(books))
        return {};
    for (const QString& name : names)
        if (!QFile::copy(bookPath, books + QLatin1Char('/') + name + QStringLiteral(".jz")))
            return {};
    SilentMessages messages;
    platform::InstallMessageBoxes(&messages);
    platform::InstallProgramFolder(folder + QStringLiteral("/program"));
    SwitchFigures figures;
    {
        InstallBuiltInSkins();
        TApplication application;
        CreateScreens(application);
        TListBox* bookList = ChoiceClassForm->BookListBox;
        std::vector<double> switchTimes;
        std::vector<double> readTimes;
        volatile qint64 sink = 0;
        for (int run = 0; run < kRuns; ++run) {
            const int book = (run + 1) % 2; // A is open after start-up
            readTimes.push_back(
                Milliseconds([&] { sink = sink + ReadAllBytes(books + QLatin1Char('/') + names[book] + ".jz"); }));
            bookList->SetItemIndex(book);
            switchTimes.push_back(Milliseconds([&] {
                Raise(bookList->OnMouseUp, bookList, TMouseButton::mbLeft, TShiftState(), 0, 0);
            }));
        }
        figures.ok = ChoiceClassForm->SenStringGrid->RowCount() == kSentences + 1;
        figures.switchMs = Median(switchTimes);
        figures.readMs = Median(readTimes);
        application.DestroyForms();
    }
    platform::InstallProgramFolder(QString());
    platform::InstallMessageBoxes(nullptr);
    return figures;
}

} // namespace

// The chooser's grids, as LoadSentenceBook fills them.
struct ChooserGrids {
    TStringGrid lessons{nullptr, {0, 0, 214, 300}, 5};
    TStringGrid lessonSentences{nullptr, {0, 0, 514, 296}, 9};
    TStringGrid sentences{nullptr, {0, 0, 0, 0}, 8};

    void Take(sentence::BookLoadResult& loaded)
    {
        lessons.SetTable(std::move(loaded.book.lessons));
        sentences.SetTable(std::move(loaded.book.sentences));
        lessonSentences.SetTable(sentence::LessonSentenceTable(sentences.Table(), lessons.Table(), lessons.Row()));
    }
};

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ChooserGrids grids;
    QTemporaryDir folder;
    const QString path = folder.filePath("bench.jz");
    QString error;
    if (!folder.isValid() || !FullSizeBook().WriteFile(path, &error)) {
        std::fprintf(stderr, "bench_jz: cannot write the book: %s\n", qPrintable(error));
        return 1;
    }

    // Reading and loading take turns, so that whatever else the machine is
    // doing weighs on both alike. Handing a book to the grids frees the one
    // they held, as in the chooser, so that is timed too.
    volatile qint64 sink = 0;
    sentence::BookLoadResult loaded = sentence::LoadSentenceBook(path);   // warms the conversion table
    std::vector<double> readTimes;
    std::vector<double> loadTimes;
    for (int run = 0; run < kRuns; ++run) {
        readTimes.push_back(Milliseconds([&] { sink = sink + ReadAllBytes(path); }));
        loaded = {};
        loadTimes.push_back(Milliseconds([&] {
            loaded = sentence::LoadSentenceBook(path);
            if (loaded.Ok())
                grids.Take(loaded);
        }));
    }
    if (!loaded.Ok() || grids.sentences.RowCount() != kSentences + 1) {
        std::fprintf(stderr, "bench_jz: the book did not load: %s\n", qPrintable(loaded.message));
        return 1;
    }
    const double loadMs = Median(loadTimes);
    const SwitchFigures switching = MeasureSwitching(folder.path(), path);
    if (!switching.ok) {
        std::fprintf(stderr, "bench_jz: the chooser did not switch between the books\n");
        return 1;
    }
    std::printf("jz: switch_ms_median=%.1f read_ms_median=%.1f load_ms_median=%.1f load_read_ms_median=%.1f\n",
                switching.switchMs, switching.readMs, loadMs, Median(readTimes));
    return 0;
}
