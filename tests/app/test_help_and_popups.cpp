// The help dialog and the sentence course's small screens.

#include "ScreenHarness.h"
#include "app/bjzMainForm.h"
#include "app/bjzhelpForm.h"
#include "media/SpeechEngineCheck.h"
#include "sentence/ChoiceClassForm.h"
#include "sentence/SenWrongForm.h"
#include "sentence/ThisClassHaveFinishedForm.h"
#include "sentence/bjzZhujie.h"

#include <QDir>
#include <QFile>
#include <QTest>

namespace {

class HelpTest : public ScreenHarness {
protected:
    void WriteFile(const QString& relative, const QByteArray& bytes)
    {
        QDir(course.Path()).mkpath(QFileInfo(relative).path());
        QFile file(course.Path() + relative);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    void WritePages()
    {
        for (int page = 1; page <= 3; ++page)
            WriteFile(QStringLiteral("help/%1.rtf").arg(page),
                      "{\\rtf1\\ansi {\\b Page " + QByteArray::number(page) + "} text\\par}");
    }
    QString ShownPage() const { return bjzhelpForm->RichEdit1->Text(); }

    // Opens help from the menu; `act` runs while it is shown.
    void OpenHelp(std::function<void()> act)
    {
        modal.responses.push_back([act](TForm&) {
            act();
            bjzhelpForm->BitBtn4Click();
        });
        bjzMainForm->HelpButtonClick(nullptr);
    }
};

TEST_F(HelpTest, TheDialogShowsPageOneAndKeepsThePageLastChosenBetweenOpenings)
{
    WritePages();
    CreateScreenSet();
    EXPECT_TRUE(ShownPage().startsWith(QStringLiteral("Page 1"))) << ShownPage().toStdString();
    EXPECT_EQ(bjzhelpForm->pos(), QPoint(274, 50));
    OpenHelp([] { bjzhelpForm->BitBtn3Click(); });
    EXPECT_EQ(modal.shown.size(), 1u);
    EXPECT_FALSE(bjzhelpForm->Visible());
    EXPECT_EQ(bjzhelpForm->ModalResult(), mrOk);
    OpenHelp([this] { EXPECT_TRUE(ShownPage().startsWith(QStringLiteral("Page 3"))) << ShownPage().toStdString(); });
    OpenHelp([this] {
        bjzhelpForm->BitBtn2Click();
        EXPECT_TRUE(ShownPage().startsWith(QStringLiteral("Page 2")));
    });
}

TEST_F(HelpTest, AMissingPageLeavesTheBoxAsItWasAndAMissingManualOpensNothing)
{
    WriteFile(QStringLiteral("help/1.rtf"), "{\\rtf1 First page\\par}");
    CreateScreenSet();
    bjzhelpForm->BitBtn2Click();
    EXPECT_TRUE(ShownPage().startsWith(QStringLiteral("First page")));
    bjzhelpForm->BitBtn5Click();
    EXPECT_TRUE(shell.opened.isEmpty());
    EXPECT_TRUE(messages.messages.empty());

    WriteFile(QStringLiteral("help/manual.html"), "<html><body>手册</body></html>");
    bjzhelpForm->BitBtn5Click();
    EXPECT_EQ(shell.opened, QStringList{course.Path() + QStringLiteral("help/manual.html")});
}

TEST_F(HelpTest, TheSpeechCheckAndTheVersionMessageAgreeWithTheEngine)
{
    CreateScreenSet();
    const media::SpeechEngineStatus status = media::CheckSpeechEngine();
    EXPECT_EQ(bjzhelpForm->FSpeechReady, status.speaksChinese ? 1 : 0);
    EXPECT_EQ(bjzhelpForm->FSpeechReadyText, status.speaksChinese ? QStringLiteral("True") : QStringLiteral("False"));
    bjzhelpForm->Button1Click();
    ASSERT_EQ(messages.messages.size(), 1u);
    const QString expectedStart = (status.version.isEmpty() ? QStringLiteral("0.0") : status.version) + "版,";
    EXPECT_TRUE(messages.messages[0].text.startsWith(expectedStart)) << messages.messages[0].text.toStdString();
}

class PopupTest : public ScreenHarness {};

TEST_F(PopupTest, TheLessonFinishedDialogHandsBackTheLastChoice)
{
    CreateScreenSet();
    auto* dialog = ThisClassHaveFinishedForm;
    EXPECT_EQ(dialog->FChoice, 0);
    modal.responses.push_back([dialog](TForm&) { dialog->AgainReadOneTimeButtonClick(nullptr); });
    dialog->ShowModal();
    EXPECT_EQ(dialog->FChoice, 1);
    EXPECT_FALSE(dialog->Visible());
    modal.responses.push_back([dialog](TForm&) { dialog->ChoiceOtherOneClassButtonClick(nullptr); });
    dialog->ShowModal();
    EXPECT_EQ(dialog->FChoice, 2);
    // Shown again and closed without a choice, it still holds the last one.
    dialog->ShowModal();
    EXPECT_EQ(dialog->FChoice, 2);
}

TEST_F(PopupTest, TheLessonFinishedButtonsLightUnderThePointer)
{
    CreateScreenSet();
    auto* dialog = ThisClassHaveFinishedForm;
    dialog->Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog));
    for (auto [button, face] : {std::pair{dialog->AgainImage1, dialog->Image2}, std::pair{dialog->TheOtherImage1, dialog->Image3}}) {
        ASSERT_FALSE(face->Picture().Empty());
        QTest::mouseMove(dialog, button->geometry().center());
        EXPECT_EQ(button->Picture(), face->Picture());
        QTest::mouseMove(dialog, QPoint(5, 5));
        EXPECT_TRUE(button->Picture().Empty());
    }
}

TEST_F(PopupTest, TheWrongSentenceDialogClosesWithOkAndTheAnnotationBoxKeepsToOneLineOf255)
{
    CreateScreenSet();
    modal.responses.push_back([](TForm&) { SenWrongForm->Button1->click(); });
    EXPECT_EQ(SenWrongForm->ShowModal(), mrOk);

    TRichEdit* box = bjzZhujie->RichEdit1;
    EXPECT_EQ(box->Text(), QStringLiteral("注解："));
    box->moveCursor(QTextCursor::End);
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_FALSE(box->Text().contains(QLatin1Char('\n')));
    QTest::keyClicks(box, QString(300, QLatin1Char('a')));
    EXPECT_EQ(box->Text().size(), 255);
}

} // namespace
