// Loading help pages into the rich-text box: long pages come in slices, and
// pages above the limit are cut with a note that says so.

#include "controls/RichEdit.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTextDocument>

#include <gtest/gtest.h>

namespace {

class RichEditTest : public ::testing::Test {
protected:
    QString Write(const QString& name, const QByteArray& bytes)
    {
        const QString path = folder.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }

    // Runs the event loop until the box has shown the whole page.
    void WaitForLoad()
    {
        for (int turn = 0; turn < 100000 && box.Loading(); ++turn)
            QCoreApplication::processEvents();
        ASSERT_FALSE(box.Loading());
    }

    QTemporaryDir folder;
    TRichEdit box{nullptr, {0, 0, 417, 369}};
};

// About `bytes` of paragraphs numbered from 0, a run of bold in each.
QByteArray NumberedPage(qsizetype bytes)
{
    QByteArray rtf = "{\\rtf1\\ansi\\ansicpg936 ";
    for (int k = 0; rtf.size() < bytes; ++k)
        rtf += "line " + QByteArray::number(k) + " {\\b bold}\\par ";
    return rtf + "}";
}

QString ShownAtOnce(const QByteArray& rtf)
{
    QTextDocument document;
    ShowRichText(document, ReadRtf(rtf));
    return document.toPlainText();
}

TEST_F(RichEditTest, OurHelpPagesShowWholeAtOnce)
{
    for (const char* name : {"1.rtf", "2.rtf", "3.rtf"}) {
        const QString path = QStringLiteral(TINGDU_SOURCE_DIR "/data/help/") + name;
        ASSERT_TRUE(box.LoadFromFile(path)) << name;
        EXPECT_FALSE(box.Loading()) << name;
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(box.Text(), ShownAtOnce(file.readAll())) << name;
        EXPECT_EQ(box.textCursor().position(), 0);
    }
}

TEST_F(RichEditTest, ALongPageShowsItsBeginningAtOnceAndTheRestFromTheEventLoop)
{
    const QByteArray rtf = NumberedPage(300000);
    ASSERT_TRUE(box.LoadFromFile(Write("long.rtf", rtf)));
    ASSERT_TRUE(box.Loading());
    EXPECT_TRUE(box.Text().startsWith("line 0 bold\nline 1 bold\n"));
    EXPECT_LT(box.Text().size(), ShownAtOnce(rtf).size());

    WaitForLoad();
    EXPECT_EQ(box.Text(), ShownAtOnce(rtf));
    EXPECT_EQ(box.textCursor().position(), 0);
}

TEST_F(RichEditTest, ANewPageOrTextReplacesAPageStillLoading)
{
    ASSERT_TRUE(box.LoadFromFile(Write("long.rtf", NumberedPage(300000))));
    ASSERT_TRUE(box.Loading());
    ASSERT_TRUE(box.LoadFromFile(Write("short.rtf", "{\\rtf1 short\\par}")));
    EXPECT_FALSE(box.Loading());
    EXPECT_EQ(box.Text(), "short");

    ASSERT_TRUE(box.LoadFromFile(folder.filePath("long.rtf")));
    box.SetText("typed");
    EXPECT_FALSE(box.Loading());
    QCoreApplication::processEvents();
    EXPECT_EQ(box.Text(), "typed");

    // A file that cannot be read leaves the box as it is.
    EXPECT_FALSE(box.LoadFromFile(folder.filePath("missing.rtf")));
    EXPECT_EQ(box.Text(), "typed");
}

TEST_F(RichEditTest, APageAboveTheLimitShowsItsFirstMegabyteAndSaysSo)
{
    const QByteArray rtf = NumberedPage(TRichEdit::kMaxPageBytes + 100000);
    ASSERT_TRUE(box.LoadFromFile(Write("huge.rtf", rtf)));
    box.FinishLoading();
    EXPECT_FALSE(box.Loading());
    const QString shown = box.Text();
    const QString notice = QStringLiteral("（此页超过 1 MB，只显示了前 1 MB。）");
    EXPECT_TRUE(shown.endsWith("\n" + notice)) << shown.right(80).toStdString();
    EXPECT_EQ(shown.chopped(notice.size() + 1), ShownAtOnce(rtf.first(TRichEdit::kMaxPageBytes)));

    // A page of exactly the limit is whole and says nothing.
    ASSERT_TRUE(box.LoadFromFile(Write("limit.rtf", rtf.first(TRichEdit::kMaxPageBytes))));
    box.FinishLoading();
    EXPECT_FALSE(box.Text().contains(notice));
}

} // namespace
