#pragma once
// The lesson chooser: the entry screen of the sentence course and owner of
// everything the course shares (the loaded book, the lesson recording and the
// program folder path).

#include "controls/Forms.h"

#include <cstdint>

class TMediaPlayer;

class TChoiceClassForm : public TForm {
    Q_OBJECT
public:
    TChoiceClassForm();

    void FormCreate() override;

    // The program folder: the executable's folder with a trailing "/".
    static QString GetAppDir();
    // Called by the main menu right after it shows the chooser.
    void OpenFirstBook();

    QString FAppDir;
    std::uint8_t FSoundReady = 0;
    TMediaPlayer* bjzPlayer = nullptr;
};

extern TChoiceClassForm* ChoiceClassForm;
