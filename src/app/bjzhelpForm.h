#pragma once
// The help dialog: three help pages in a rich-text box, the user manual
// opened through the desktop, and the speech engine's version. While it is
// created it checks once whether a Chinese-capable speech engine is present;
// the sentence read-along reads the result before it speaks.

#include "controls/Forms.h"
#include "controls/RichEdit.h"

#include <QPushButton>
#include <cstdint>

class TbjzhelpForm : public TForm {
    Q_OBJECT
public:
    TbjzhelpForm();
    void FormCreate() override;

    void BitBtn1Click();
    void BitBtn2Click();
    void BitBtn3Click();
    void BitBtn5Click();
    void Button1Click();
    void BitBtn4Click();

    // 1 and "True" when a Chinese-capable speech engine was found at start-up.
    std::uint8_t FSpeechReady = 0;
    QString FSpeechReadyText = QStringLiteral("False");

    QPushButton* BitBtn1;
    QPushButton* BitBtn2;
    QPushButton* BitBtn3;
    QPushButton* BitBtn5;
    TRichEdit* RichEdit1;
    QPushButton* Button1;
    QPushButton* BitBtn4;

private:
    // Shows help page `page` when its file exists; otherwise keeps the page.
    void LoadPage(int page);
};

extern TbjzhelpForm* bjzhelpForm;

// The program folder's help files.
QString HelpPagePath(const QString& appDir, int page);
QString ManualPath(const QString& appDir);

// The version message: the engine's version followed by what to do when it
// is not a Chinese-capable one.
QString SpeechVersionMessage(const QString& version);
