#include "Forms.h"
#include "Application.h"

#include <QCloseEvent>

namespace {

Qt::WindowFlags FlagsFor(FormKind kind)
{
    if (kind == FormKind::Dialog)
        return Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
    return Qt::Window | Qt::FramelessWindowHint;
}

} // namespace

TForm::TForm(FormKind kind, int clientWidth, int clientHeight, const QString& name)
    : QWidget(nullptr, FlagsFor(kind)), kind_(kind)
{
    setObjectName(name);
    setWindowTitle(name);
    setFixedSize(clientWidth, clientHeight);
    setAttribute(Qt::WA_DeleteOnClose, false);
}

TForm::~TForm() = default;

void TForm::Show()
{
    show();
    raise();
    activateWindow();
}

void TForm::Hide() { hide(); }

void TForm::Close()
{
    if (Application && Application->MainForm() == this) {
        Application->Terminate();
        return;
    }
    if (showingModally_ && modalResult_ == mrNone)
        modalResult_ = mrCancel;
    Hide();
}

int TForm::ShowModal()
{
    showingModally_ = true;
    const int result = platform::modalShowing().ShowModal(*this);
    showingModally_ = false;
    return result;
}

void TForm::SetModalResult(int result)
{
    modalResult_ = result;
    // A result ends a modal showing, as the platform's dialogs do.
    if (showingModally_ && result != mrNone)
        Hide();
}

void TForm::closeEvent(QCloseEvent* event)
{
    // The window manager's close command is the form's own Close.
    event->ignore();
    Close();
}
