#include "form/platform.h"

#include <filesystem>
#include <system_error>

#include "os/paths.h"
#include "project/bay_file.h"

namespace deckplate::form {
namespace {

// The folder the last file dialog was left in.
constexpr std::string_view kLastFolderSetting = "last_folder";

class ReplacingFile : public FileWriter {
  public:
    explicit ReplacingFile(std::string_view path) : file_(os::PathFromUtf8(path)) {}
    std::ostream& Stream() override { return file_.Stream(); }
    void Commit() override { file_.Commit(); }

  private:
    os::FileReplacement file_;
};

}  // namespace

std::unique_ptr<FileWriter> Platform::StartFile(std::string_view path) {
    return std::make_unique<ReplacingFile>(path);
}

std::string Platform::StartFolder() {
    std::string folder = LoadSetting(kLastFolderSetting);
    // A folder since removed (a USB stick taken out) would leave the dialog in the home folder
    // with the missing folder's name typed: the documents instead.
    std::error_code failure;
    if (folder.empty() || !std::filesystem::is_directory(os::PathFromUtf8(folder), failure))
        return {};
    return folder;
}

std::string Platform::ProposedPath(std::string_view name) {
    const std::filesystem::path path = os::PathFromUtf8(name);
    if (path.has_parent_path()) return std::string(name);
    const std::string folder = StartFolder();
    return folder.empty() ? std::string(name) : os::Utf8Of(os::PathFromUtf8(folder) / path);
}

void Platform::RememberFolderOf(std::string_view used) {
    if (!used.empty()) RememberFolder(os::Utf8Of(os::PathFromUtf8(used).parent_path()));
}

void Platform::RememberFolder(std::string_view folder) {
    if (!folder.empty()) SaveSetting(kLastFolderSetting, folder);
}

std::string_view FileKindName(std::string_view extension) {
    // The bay files have words of their own; a book, a report or a schedule's results are
    // listed by their pattern (*.html, *.txt, *.csv).
    return extension == project::kBayFileExtension ? "铺板计算文件" : "";
}

}  // namespace deckplate::form
