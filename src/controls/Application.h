#pragma once
// The application object: creates the screens in order, runs the message
// loop, and at the end destroys the screens in the reverse order.

#include <QString>
#include <functional>
#include <vector>

class TForm;

class TApplication {
public:
    TApplication();
    ~TApplication();
    TApplication(const TApplication&) = delete;
    TApplication& operator=(const TApplication&) = delete;

    // Creates a form of type T, stores it in `reference` (which screens use
    // from then on) and runs its creation routine. The first form created is
    // the main form.
    template <class T>
    void CreateForm(T*& reference)
    {
        T* form = new T();
        reference = form;
        Adopt(form, [&reference] { reference = nullptr; });
        form->FormCreate();
    }

    // Shows the main form and runs the message loop until Terminate. When
    // Terminate was asked for before, the loop ends as soon as it starts.
    void Run();
    void Terminate();
    bool Terminated() const { return terminated_; }
    TForm* MainForm() const;
    // The forms alive, in the order they were created.
    std::vector<TForm*> Forms() const;
    // Destroys every form, last created first; each form's destruction
    // routine runs before it is freed and its reference is cleared after.
    void DestroyForms();

private:
    void Adopt(TForm* form, std::function<void()> clearReference);

    struct Created {
        TForm* form;
        std::function<void()> clearReference;
    };
    std::vector<Created> forms_;
    bool terminated_ = false;
};

// The program's one application object (set while a TApplication exists).
extern TApplication* Application;
