#pragma once
// File services shared by every edition: standard C++ and the system's own calls, no toolkit.
//
// A file is replaced in one step. Its new content goes, in full, to a temporary file in the
// destination's folder, and only a completed file is moved over the destination:
//
//   FileReplacement(path) ──Stream() << …──▶ Commit() ──▶ the destination, all at once
//   ReplaceFileBytes(path, bytes): the same for a whole text
//
// Until Commit() succeeds — on any failure, and also when the process is killed — the
// destination keeps its previous content and no temporary or partial file is left beside it.
// A failure throws FileError, which keeps the path and the system's own reason apart so that
// each edition words its message in its own language.

#include <filesystem>
#include <memory>
#include <ostream>
#include <stdexcept>
#include <string_view>
#include <system_error>

namespace deckplate::os {

/// What was being done when a file could not be replaced.
enum class FileStep {
    FindFolder,  ///< the destination's folder does not exist; path() is that folder
    Create,      ///< the new file could not be started (no permission, a read-only file or
                 ///< disk, a folder)
    Write,       ///< its content could not be written in full (disk full, file too large)
    Replace,     ///< the finished file could not be moved over the destination
};

class FileError : public std::runtime_error {
  public:
    FileError(FileStep step, std::filesystem::path path, std::error_code reason);
    /// Throws the error of the system call that has just failed. Its reason is taken first,
    /// before making the error can overwrite it: a copied path or the exception's own memory
    /// may make system calls that succeed, and a later look would find "Success".
    [[noreturn]] static void ThrowLast(FileStep step, const std::filesystem::path& path);

    FileStep step() const { return step_; }
    /// The file the user named, or its folder for FileStep::FindFolder.
    const std::filesystem::path& path() const { return path_; }
    /// The system's own reason; reason().message() words it ("No space left on device").
    std::error_code reason() const { return reason_; }

  private:
    FileStep step_;
    std::filesystem::path path_;
    std::error_code reason_;
};

/// The new content of one file, written as a stream; memory stays flat however long it is.
/// A symbolic link is followed: the file it points to is replaced and the link kept. A
/// destination that is a device or a pipe (/dev/null, a shell's process substitution) has no
/// content to keep and is written straight through. A read-only destination is refused
/// (FileStep::Create) and kept as it is.
class FileReplacement {
  public:
    /// Starts the temporary file beside `destination`. Throws FileError.
    explicit FileReplacement(const std::filesystem::path& destination);
    /// Without a successful Commit(), discards what was written; the destination is untouched.
    ~FileReplacement();
    FileReplacement(const FileReplacement&) = delete;
    FileReplacement& operator=(const FileReplacement&) = delete;

    /// Where the new content goes. A failed write sets the stream's badbit; Commit() says why.
    std::ostream& Stream();

    /// Moves the completed content over the destination in one step. Throws FileError; the
    /// destination then keeps its previous content.
    void Commit();

  private:
    // The system's file handle and names, defined by each system's source file
    // (file_replacement_posix.cpp).
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

/// Replaces the file at `path` with `bytes` in one step. Throws FileError.
void ReplaceFileBytes(const std::filesystem::path& path, std::string_view bytes);

/// How a text is written: GBK (code page 936, the report Notepad reads on Chinese Windows) or
/// UTF-8 as it is (the calculation book).
enum class TextEncoding { Gbk, Utf8 };

/// Replaces the file at `path` with the UTF-8 `text` in `encoding`, in one step. Throws
/// FileError.
void ReplaceTextFile(const std::filesystem::path& path, std::string_view text,
                     TextEncoding encoding);

}  // namespace deckplate::os
