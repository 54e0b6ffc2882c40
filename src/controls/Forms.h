#pragma once
// The form base every screen is built on: a borderless (or fixed-border
// dialog) top-level window of fixed size, placed by Left and Top, shown and
// hidden by the screens that navigate to it, and shown modally by owners of
// pop-ups, which then read its modal result.

#include "Events.h"
#include "platform/ModalShowing.h"

#include <QString>
#include <QWidget>

enum ModalResults { mrNone = 0, mrOk = 1, mrCancel = 2 };

enum class FormKind {
    FullScreen, // borderless, 800 x 600
    Popup,      // borderless, small
    Dialog,     // fixed border with a caption and a close box
};

class TForm : public QWidget, public platform::ModalDialog {
    Q_OBJECT
public:
    // `name` is the form's caption (shown in the title bar of dialogs and
    // known to the window manager for borderless forms).
    TForm(FormKind kind, int clientWidth, int clientHeight, const QString& name);
    ~TForm() override;

    FormKind Kind() const { return kind_; }
    int Left() const { return pos().x(); }
    int Top() const { return pos().y(); }
    void SetLeft(int left) { move(left, Top()); }
    void SetTop(int top) { move(Left(), top); }
    // Full screens cover the 800 x 600 display from its top-left corner.
    void MoveToTopLeft() { move(0, 0); }
    // Pop-ups sit in the middle of the main screen, which covers the
    // 800 x 600 display from its top-left corner.
    void CentreOverMainScreen() { move((800 - width()) / 2, (600 - height()) / 2); }
    bool Visible() const { return isVisible(); }

    void Show();
    void Hide();
    // Hides the form (ending a modal showing with mrCancel when no result was
    // set); closing the main form ends the program.
    void Close();
    // Shows the form modally and returns its modal result once it closed.
    int ShowModal();
    bool ShowingModally() const { return showingModally_; }

    // The creation routine, run once right after construction by the
    // application object, and the destruction routine, run just before the
    // form is freed at the end of the program.
    virtual void FormCreate() {}
    virtual void FormDestroy() {}

    // A key let go on the screen that none of its controls took.
    TKeyEvent OnKeyUp;
    // The window manager's close command (Alt+F4, a panel's "close window").
    // A screen sets it to its own way back, so that it stops its timers and
    // clips and shows the screen it came from; unset, the form just closes.
    TNotifyEvent OnWindowClose;

    // platform::ModalDialog
    QWidget* DialogWidget() override { return this; }
    int ModalResult() const override { return modalResult_; }
    void SetModalResult(int result) override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    FormKind kind_;
    int modalResult_ = mrNone;
    bool showingModally_ = false;
};
