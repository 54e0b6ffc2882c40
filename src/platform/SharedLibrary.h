#pragma once
// A shared library opened when it is first needed instead of at program
// start, for the libraries only some uses need (the sound output, the speech
// engine): each brings dozens of libraries of its own, and loading them
// costs every start-up. A library that is missing, or lacks a function, is
// reported as a problem text, never as a crash.
//
// A library, once opened, stays loaded until the program ends: libraries
// that start threads of their own are not safe to unload.

#include <QString>

namespace platform {

class SharedLibrary {
public:
    // Opens `soname` (e.g. "libSDL2-2.0.so.0") with its symbols kept local.
    explicit SharedLibrary(const char* soname);
    SharedLibrary(const SharedLibrary&) = delete;
    SharedLibrary& operator=(const SharedLibrary&) = delete;

    // Empty while every Resolve so far succeeded.
    const QString& Problem() const { return problem_; }
    bool Usable() const { return problem_.isEmpty(); }
    // Usable(); when not, says on the error stream what is lost, e.g.
    // "tingdu: no sound through SDL2: libSDL2-2.0.so.0 cannot be loaded: …".
    bool CheckUsable(const char* whatIsLost) const;

    // Points `function` at the library's `name`; on failure it stays null
    // and the problem names what was missing.
    template <class Function>
    void Resolve(Function*& function, const char* name)
    {
        function = reinterpret_cast<Function*>(Symbol(name));
    }

private:
    void* Symbol(const char* name);

    QString soname_;
    void* handle_ = nullptr;
    QString problem_;
};

} // namespace platform
