#include "os/file_replacement.h"

#include "os/gbk.h"
#include "os/paths.h"
#include "os/system_error.h"

namespace deckplate::os {
namespace {

std::string Describe(FileStep step, const std::filesystem::path& path, std::error_code reason) {
    std::string quoted = Utf8Of(path);  // appended, not "'" + …: GCC 12 warns on that wrongly
    quoted.insert(quoted.begin(), '\'');
    quoted.push_back('\'');
    switch (step) {
        case FileStep::FindFolder:
            return "the folder " + quoted + " does not exist";
        case FileStep::Create:
            return "cannot write " + quoted + ": " + reason.message();
        case FileStep::Write:
            return "writing " + quoted + " failed: " + reason.message();
        case FileStep::Replace:
            break;
    }
    return "cannot replace " + quoted + ": " + reason.message();
}

}  // namespace

FileError::FileError(FileStep step, std::filesystem::path path, std::error_code reason)
    : std::runtime_error(Describe(step, path, reason)),
      step_(step),
      path_(std::move(path)),
      reason_(reason) {}

void FileError::ThrowLast(FileStep step, const std::filesystem::path& path) {
    const std::error_code reason = LastSystemError();
    throw FileError(step, path, reason);
}

void ReplaceFileBytes(const std::filesystem::path& path, std::string_view bytes) {
    FileReplacement file(path);
    file.Stream().write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    file.Commit();
}

void ReplaceTextFile(const std::filesystem::path& path, std::string_view text,
                     TextEncoding encoding) {
    ReplaceFileBytes(path, encoding == TextEncoding::Gbk ? EncodeGbk(text) : std::string(text));
}

}  // namespace deckplate::os
