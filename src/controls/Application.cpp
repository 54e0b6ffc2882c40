#include "Application.h"
#include "Accessibility.h"
#include "Forms.h"
#include "Keys.h"

#include <QApplication>

TApplication* Application = nullptr;

TApplication::TApplication()
{
    Application = this;
    // Screens are hidden, never closed, while the program runs; only
    // Terminate ends it.
    QApplication::setQuitOnLastWindowClosed(false);
    InstallKeyPressMemory();
    InstallPictureAccessibility();
}

TApplication::~TApplication()
{
    DestroyForms();
    if (Application == this)
        Application = nullptr;
}

void TApplication::Adopt(TForm* form, std::function<void()> clearReference)
{
    forms_.push_back({form, std::move(clearReference)});
}

TForm* TApplication::MainForm() const { return forms_.empty() ? nullptr : forms_.front().form; }

std::vector<TForm*> TApplication::Forms() const
{
    std::vector<TForm*> forms;
    for (const Created& created : forms_)
        forms.push_back(created.form);
    return forms;
}

void TApplication::Run()
{
    if (terminated_ || !MainForm())
        return;
    MainForm()->Show();
    QApplication::exec();
}

void TApplication::Terminate()
{
    terminated_ = true;
    QApplication::exit(0);
}

void TApplication::DestroyForms()
{
    while (!forms_.empty()) {
        Created last = std::move(forms_.back());
        forms_.pop_back();
        last.form->FormDestroy();
        delete last.form;
        last.clearReference();
    }
}
