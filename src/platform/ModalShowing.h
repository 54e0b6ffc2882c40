#pragma once
// The seam through which a form is shown modally. The real one runs a nested
// event loop until the form closes; tests install a scripted responder that
// acts on the shown form and returns at once.

class QWidget;

namespace platform {

// What a modal showing needs of a form (the form base implements it).
class ModalDialog {
public:
    virtual ~ModalDialog() = default;
    virtual QWidget* DialogWidget() = 0;
    virtual int ModalResult() const = 0;
    virtual void SetModalResult(int result) = 0;
};

class ModalShowing {
public:
    virtual ~ModalShowing() = default;
    // Shows `dialog`, returns once it has closed, with its modal result.
    virtual int ShowModal(ModalDialog& dialog) = 0;
};

ModalShowing& modalShowing();
void InstallModalShowing(ModalShowing* showing); // nullptr: the real one

} // namespace platform
