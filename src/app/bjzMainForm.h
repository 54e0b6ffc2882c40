#pragma once
// The main menu: the hub from which the learner enters the sentence course or
// the word course, opens help or the home page, or leaves the program. It
// switches the display to 800 x 600 at start-up when needed and puts it back
// when it is destroyed, last of all screens.

#include "controls/Forms.h"
#include "controls/Image.h"
#include "controls/Labels.h"

#include <cstdint>

class TbjzMainForm : public TForm {
    Q_OBJECT
public:
    TbjzMainForm();

    void FormCreate() override;
    void FormDestroy() override;

    void CheckScreenSize();
    bool ChangeDisplayMode(std::uint16_t Width, std::uint16_t Height);

    void kivbjzButtonClick(QObject* Sender);
    void kivBdcImage1Click(QObject* Sender);
    void MyWebButtonClick(QObject* Sender);
    void HelpButtonClick(QObject* Sender);
    void ExitBjzButtonClick(QObject* Sender);

    std::int32_t OldScreenWidth = 0;
    std::int32_t OldScreenHeight = 0;

    TImage* Image1;
    TLabel* Label1;
    TImage* kivKongImage;
    TkivImage1* kivBjzImage1;
    TkivImage1* kivBdcImage1;
    TkivImage1* kivWebImage1;
    TkivImage1* kivIHelpmage1;
    TkivImage1* kivExitImage1;
    TImage* kivBjzImage2;
    TImage* kivBdcImage2;
    TImage* kivWebImage2;
    TImage* kivHelpImage2;
    TImage* kivExitImage2;
};

extern TbjzMainForm* bjzMainForm;

// The address of our home page: a page in the program folder.
QString HomePagePath(const QString& appDir);
