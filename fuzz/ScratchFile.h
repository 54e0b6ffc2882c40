#pragma once
// The sound readers take a path, so every input is written to a file first:
// one file for the whole run, in a memory-backed folder when there is one
// (/dev/shm), rewritten for each input. TINGDU_FUZZ_SCRATCH names the folder
// when set, so a script can clean up after a run that crashed.

#include <QString>

#include <cstddef>
#include <cstdint>

class ScratchFile {
public:
    // `fileName` carries the extension the reader is chosen by.
    explicit ScratchFile(const QString& fileName);
    ~ScratchFile();
    ScratchFile(const ScratchFile&) = delete;
    ScratchFile& operator=(const ScratchFile&) = delete;

    // Replaces the file's content by `size` bytes at `data`.
    void Write(const std::uint8_t* data, std::size_t size);
    const QString& Path() const { return path_; }

private:
    QString folder_;
    QString path_;
    QByteArray nativePath_;
};
