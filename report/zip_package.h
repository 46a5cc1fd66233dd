#pragma once
// A package of parts in one zip file, as Office Open XML keeps a document: each part deflated
// and written as it comes, so that a part of any length streams through. zlib's minizip does
// the zip format.

#include <memory>
#include <ostream>
#include <stdexcept>
#include <string_view>

namespace deckplate::report {

/// The stream failed, or minizip refused a step; what() says which step.
class PackageError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

class ZipPackage {
  public:
    /// Writes the package to `out`, which must be seekable (a file or string stream): each
    /// part's sizes go back into its header once it is written. Throws PackageError.
    explicit ZipPackage(std::ostream& out);
    /// Without Finish(), the package is left incomplete.
    ~ZipPackage();
    ZipPackage(const ZipPackage&) = delete;
    ZipPackage& operator=(const ZipPackage&) = delete;

    /// Starts the part `name` ("word/document.xml"); one part is open at a time.
    void BeginPart(std::string_view name);
    void Write(std::string_view bytes);
    void EndPart();
    /// Writes the package's directory. Throws PackageError.
    void Finish();

  private:
    struct Zip;
    std::unique_ptr<Zip> zip_;
};

}  // namespace deckplate::report
