// The Windows side of the file services. The new content goes to a temporary file in the
// destination's folder, marked for deletion while it is written: should the program be killed,
// Windows removes it as the handle closes. Commit() puts it on the disk, lifts the mark, closes
// it and moves it over the destination with MoveFileExW (replace existing, write through).

#include <windows.h>

#include <cstdio>
#include <random>
#include <string>

#include "os/file_replacement.h"
#include "os/system_error.h"
#include "os/write_buffer.h"

namespace deckplate::os {
namespace {

namespace fs = std::filesystem;

// Writes to a file handle.
class HandleBuffer : public WriteBuffer {
  public:
    void Attach(HANDLE file) { file_ = file; }

  protected:
    std::size_t WriteSome(const char* bytes, std::size_t length,
                          std::error_code& failure) override {
        DWORD written = 0;
        if (!WriteFile(file_, bytes, static_cast<DWORD>(length), &written, nullptr))
            failure = LastSystemError();
        return written;
    }
    std::streamoff SeekTo(std::streamoff offset, std::ios_base::seekdir from) override {
        const DWORD method = from == std::ios_base::beg   ? FILE_BEGIN
                             : from == std::ios_base::cur ? FILE_CURRENT
                                                          : FILE_END;
        LARGE_INTEGER distance{}, position{};
        distance.QuadPart = offset;
        // A pipe or a device has no position: the seek fails rather than go wrong.
        if (GetFileType(file_) != FILE_TYPE_DISK ||
            !SetFilePointerEx(file_, distance, &position, method))
            return -1;
        return static_cast<std::streamoff>(position.QuadPart);
    }

  private:
    HANDLE file_ = INVALID_HANDLE_VALUE;
};

// A name beside the destination that no other file has yet: ".results.csv.1f2e3d4c.tmp".
fs::path TemporaryName(const fs::path& destination) {
    thread_local std::mt19937_64 random{std::random_device{}()};
    wchar_t tag[17];
    std::swprintf(tag, 17, L"%016llx", static_cast<unsigned long long>(random()));
    std::wstring name(L".");
    name.append(destination.filename().wstring()).append(L".").append(tag).append(L".tmp");
    return destination.parent_path() / name;
}

fs::path FolderOf(const fs::path& file) {
    return file.has_parent_path() ? file.parent_path() : fs::path(L".");
}

bool MarkForDeletion(HANDLE file, bool marked) {
    FILE_DISPOSITION_INFO disposition{};
    disposition.DeleteFile = marked ? TRUE : FALSE;
    return SetFileInformationByHandle(file, FileDispositionInfo, &disposition,
                                      sizeof disposition) != 0;
}

}  // namespace

struct FileReplacement::Impl {
    explicit Impl(const fs::path& path);
    ~Impl();
    void Commit();

    fs::path destination;
    fs::path temporary;  // empty when written straight through
    HANDLE file = INVALID_HANDLE_VALUE;
    bool markedForDeletion = false;
    HandleBuffer buffer;
    std::ostream stream{&buffer};
};

FileReplacement::Impl::Impl(const fs::path& path) : destination(path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
        throw FileError(FileStep::Create, path, std::make_error_code(std::errc::is_a_directory));
    // A read-only file, or one the user may not write, is kept as an editor keeps it, though
    // MoveFileExW might replace it.
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        throw FileError(FileStep::Create, path, SystemError(ERROR_ACCESS_DENIED));
    const HANDLE existing =
        CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (existing == INVALID_HANDLE_VALUE && GetLastError() == ERROR_ACCESS_DENIED)
        throw FileError(FileStep::Create, path, SystemError(ERROR_ACCESS_DENIED));
    // A device (NUL, CON) has no content to keep: it is written straight through.
    if (existing != INVALID_HANDLE_VALUE) {
        if (GetFileType(existing) != FILE_TYPE_DISK) {
            file = existing;
            buffer.Attach(file);
            return;
        }
        CloseHandle(existing);
    }
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const fs::path folder = FolderOf(path);
        const DWORD folderAttributes = GetFileAttributesW(folder.c_str());
        // Windows' own reason for a missing drive or folder ("系统找不到指定的路径。").
        if (folderAttributes == INVALID_FILE_ATTRIBUTES)
            FileError::ThrowLast(FileStep::FindFolder, folder);
        if (!(folderAttributes & FILE_ATTRIBUTE_DIRECTORY))
            throw FileError(FileStep::FindFolder, folder,
                            std::make_error_code(std::errc::not_a_directory));
    }
    do {
        temporary = TemporaryName(destination);
        file = CreateFileW(temporary.c_str(), GENERIC_WRITE | DELETE, 0, nullptr, CREATE_NEW,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    } while (file == INVALID_HANDLE_VALUE && GetLastError() == ERROR_FILE_EXISTS);
    if (file == INVALID_HANDLE_VALUE) {
        const std::error_code reason = LastSystemError();
        temporary.clear();
        throw FileError(FileStep::Create, destination, reason);
    }
    markedForDeletion = MarkForDeletion(file, true);
    buffer.Attach(file);
}

void FileReplacement::Impl::Commit() {
    if (!buffer.Flush()) throw FileError(FileStep::Write, destination, buffer.Failure());
    if (temporary.empty()) {  // a device
        CloseHandle(file);
        file = INVALID_HANDLE_VALUE;
        return;
    }
    // On the disk before it replaces anything, so that a power cut cannot leave an empty file
    // where the previous one was.
    if (!FlushFileBuffers(file)) FileError::ThrowLast(FileStep::Write, destination);
    if (markedForDeletion && !MarkForDeletion(file, false))
        FileError::ThrowLast(FileStep::Replace, destination);
    markedForDeletion = false;
    CloseHandle(file);
    file = INVALID_HANDLE_VALUE;
    if (!MoveFileExW(temporary.c_str(), destination.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        FileError::ThrowLast(FileStep::Replace, destination);
    temporary.clear();
}

FileReplacement::Impl::~Impl() {
    if (file != INVALID_HANDLE_VALUE) CloseHandle(file);  // a marked file goes with its handle
    if (!temporary.empty()) DeleteFileW(temporary.c_str());
}

FileReplacement::FileReplacement(const fs::path& destination)
    : impl_(std::make_unique<Impl>(destination)) {}

FileReplacement::~FileReplacement() = default;

std::ostream& FileReplacement::Stream() { return impl_->stream; }

void FileReplacement::Commit() { impl_->Commit(); }

}  // namespace deckplate::os
