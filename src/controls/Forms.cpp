#include "Forms.h"
#include "Application.h"
#include "Keys.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>

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

void TForm::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    // The control under the pointer gets its leave when its screen is hidden,
    // so a screen that comes back shows its buttons at rest. Not every window
    // system tells a hidden window that the pointer left it.
    const QList<QWidget*> children = findChildren<QWidget*>();
    for (auto child = children.rbegin(); child != children.rend(); ++child) {
        if (!(*child)->testAttribute(Qt::WA_UnderMouse))
            continue;
        (*child)->setAttribute(Qt::WA_UnderMouse, false);
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(*child, &leave);
    }
}

void TForm::closeEvent(QCloseEvent* event)
{
    // Qt never closes the window itself: the form decides what closing means.
    event->ignore();
    if (OnWindowClose) {
        Raise(OnWindowClose, this);
        return;
    }
    Close();
}

void TForm::keyReleaseEvent(QKeyEvent* event)
{
    QWidget::keyReleaseEvent(event);
    RaiseKeyUp(OnKeyUp, this, *event);
}
