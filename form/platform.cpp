#include "form/platform.h"

#include "os/paths.h"

namespace deckplate::form {
namespace {

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

}  // namespace deckplate::form
