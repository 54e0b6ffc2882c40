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

    // Empty while the library opened and every Find so far succeeded.
    const QString& Problem() const { return problem_; }
    bool Usable() const { return problem_.isEmpty(); }
    // Usable(); when not, says on the error stream what is lost, e.g.
    // "tingdu: no sound through SDL2: libSDL2-2.0.so.0 cannot be loaded: …".
    bool CheckUsable(const char* whatIsLost) const;

    // The library's `name`, typed as its header declares it; null when it is
    // missing, and the problem then names it.
    template <class Function>
    Function* Find(const char* name)
    {
        return reinterpret_cast<Function*>(Symbol(name));
    }

private:
    void* Symbol(const char* name);

    QString soname_;
    void* handle_ = nullptr;
    QString problem_;
};

// The table of a run-time library's functions, made on first use: `Table`
// holds a SharedLibrary member `library` and its function pointers (see
// TINGDU_LIBRARY_FUNCTION). Null, after one line on the error stream saying
// what is lost, when the library or a function is missing.
template <class Table>
const Table* LoadedOnce(const char* whatIsLost)
{
    static const Table table;
    static const bool usable = table.library.CheckUsable(whatIsLost);
    return usable ? &table : nullptr;
}

} // namespace platform

// A member of such a table: `member` points at the library's `symbol`, typed
// from the library's own header, e.g.
//   TINGDU_LIBRARY_FUNCTION(OpenAudioDevice, SDL_OpenAudioDevice);
#define TINGDU_LIBRARY_FUNCTION(member, symbol) \
    decltype(&::symbol) member = library.Find<decltype(::symbol)>(#symbol)
