#pragma once
// The program folder: where the program finds its books, recordings, help and
// font, with a trailing "/". It is the executable's folder; tests point it
// at a folder they built.

#include <QString>

namespace platform {

QString ProgramFolder();
void InstallProgramFolder(const QString& folder); // empty: the executable's folder

} // namespace platform
