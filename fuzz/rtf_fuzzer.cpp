// The help pages' rich text, as the help box loads a page: read the RTF,
// then write it into the box's document a slice at a time. Whatever bytes a
// page holds, the reader stays within them and hands over paragraphs whose
// runs cover their text, and writing in slices ends with the document that
// writing the page whole gives.

#include "FuzzCheck.h"
#include "controls/RtfReader.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QTextDocument>

#include <cstddef>
#include <cstdint>
#include <memory>

namespace {

// Small, so that a page of the fuzzer's size is written in many slices.
constexpr qsizetype kSliceBudget = 300;

void CheckParagraphs(const RichText& text)
{
    for (const RichParagraph& paragraph : text.paragraphs) {
        qsizetype covered = 0;
        for (std::size_t i = 0; i < paragraph.runs.size(); ++i) {
            FUZZ_CHECK(paragraph.runs[i].length >= 0, "a run has a length");
            covered += paragraph.runs[i].length;
            FUZZ_CHECK(i == 0 || !(paragraph.runs[i - 1].format == paragraph.runs[i].format),
                       "neighbouring runs differ in format");
        }
        FUZZ_CHECK(covered == paragraph.text.size(), "a paragraph's runs are together as long as its text");
    }
}

// Every slice writes at least a character, a run or a paragraph's start.
qsizetype MostSlices(const RichText& text)
{
    qsizetype most = 2;
    for (const RichParagraph& paragraph : text.paragraphs)
        most += 1 + qsizetype(paragraph.runs.size()) + paragraph.text.size();
    return most;
}

void CheckSlicedWriting(const RichText& text)
{
    QTextDocument sliced;
    RichTextWriter writer(sliced, text);
    const qsizetype most = MostSlices(text);
    qsizetype slices = 1;
    while (!writer.WriteSome(kSliceBudget)) {
        ++slices;
        FUZZ_CHECK(slices <= most, "writing a page in slices comes to an end");
    }
    QTextDocument whole;
    ShowRichText(whole, text);
    FUZZ_CHECK(sliced.blockCount() == whole.blockCount(), "slices make the blocks writing whole makes");
    FUZZ_CHECK(sliced.toRawText() == whole.toRawText(), "slices make the text writing whole makes");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    // Documents take their default font from the application.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int appArgc = *argc;
    static std::unique_ptr<QGuiApplication> app = std::make_unique<QGuiApplication>(appArgc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // Raw data, not a copy: a read past the input's end is a read past the
    // fuzzer's buffer, not into a copy's spare room.
    const RichText text = ReadRtf(QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size)));
    CheckParagraphs(text);
    CheckSlicedWriting(text);
    return 0;
}
