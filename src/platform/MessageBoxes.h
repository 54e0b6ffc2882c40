#pragma once
// The message-box seam. Screens tell the learner about expected problems
// through fixed Chinese texts; tests install a recorder that answers them.

#include <QString>

namespace platform {

enum class MessageButtons { Ok, OkCancel };

// Answers, numbered as the buttons that give them.
enum MessageResult { IDOK = 1, IDCANCEL = 2 };

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // Shows `text` under `caption` and waits for the learner's answer.
    virtual int Show(const QString& text, const QString& caption, MessageButtons buttons) = 0;
};

MessageBoxes& messageBoxes();
void InstallMessageBoxes(MessageBoxes* boxes); // nullptr: the real boxes

// The program's title, the caption of plain message boxes.
QString ApplicationTitle();

// A plain message box with the program's title and an OK button.
void ShowMessage(const QString& text);

} // namespace platform
