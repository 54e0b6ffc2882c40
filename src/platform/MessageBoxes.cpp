#include "MessageBoxes.h"
#include "SeamSlot.h"

#include <QApplication>
#include <QMessageBox>

namespace platform {
namespace {

class QtMessageBoxes final : public MessageBoxes {
public:
    int Show(const QString& text, const QString& caption, MessageButtons buttons) override
    {
        QMessageBox box(QMessageBox::NoIcon, caption, text,
                        buttons == MessageButtons::OkCancel ? QMessageBox::Ok | QMessageBox::Cancel
                                                            : QMessageBox::Ok,
                        QApplication::activeWindow());
        return box.exec() == QMessageBox::Cancel ? IDCANCEL : IDOK;
    }
};

SeamSlot<MessageBoxes, QtMessageBoxes> slot;

} // namespace

MessageBoxes& messageBoxes() { return slot.Get(); }
void InstallMessageBoxes(MessageBoxes* boxes) { slot.Install(boxes); }

QString ApplicationTitle() { return QStringLiteral("听读"); }

void ShowMessage(const QString& text) { messageBoxes().Show(text, ApplicationTitle(), MessageButtons::Ok); }

} // namespace platform
