#pragma once
// The books of a folder, sentence books and word books alike: the files with
// the book extension, matched in any case; and writing a book file.

#include <QByteArray>
#include <QLatin1StringView>
#include <QString>
#include <QStringList>

namespace platform {

// The names of the folder's books, in ascending name order without regard
// to case (names equal but for case keep a fixed order), each without its
// extension.
QStringList ListBooks(const QString& folder, QLatin1StringView extension);

// The file of book `bookName`: bookName + extension if it exists, otherwise
// the file whose extension differs only in case; empty when there is none.
QString FindBookFile(const QString& folder, const QString& bookName, QLatin1StringView extension);

// Writes a book file whole or not at all, making its folder if needed; false
// with a message in Chinese when it cannot.
bool WriteBookFile(const QString& path, const QByteArray& bytes, QString* error);

} // namespace platform
