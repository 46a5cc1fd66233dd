#include "report/zip_package.h"

#include <zip.h>

#include <algorithm>
#include <string>

namespace deckplate::report {
namespace {

// minizip's file functions over a C++ stream: the package goes wherever the stream goes.
std::ostream& Out(voidpf stream) { return *static_cast<std::ostream*>(stream); }

voidpf ZCALLBACK StreamOpen(voidpf opaque, const void* /*name*/, int /*mode*/) { return opaque; }

uLong ZCALLBACK StreamRead(voidpf /*opaque*/, voidpf /*stream*/, void* /*buffer*/, uLong /*size*/) {
    return 0;  // a package being written is never read
}

uLong ZCALLBACK StreamWrite(voidpf /*opaque*/, voidpf stream, const void* buffer, uLong size) {
    Out(stream).write(static_cast<const char*>(buffer), static_cast<std::streamsize>(size));
    return Out(stream) ? size : 0;
}

ZPOS64_T ZCALLBACK StreamTell(voidpf /*opaque*/, voidpf stream) {
    const std::streampos at = Out(stream).tellp();
    return at < 0 ? static_cast<ZPOS64_T>(-1) : static_cast<ZPOS64_T>(at);
}

long ZCALLBACK StreamSeek(voidpf /*opaque*/, voidpf stream, ZPOS64_T offset, int origin) {
    const std::ios_base::seekdir from = origin == ZLIB_FILEFUNC_SEEK_CUR   ? std::ios_base::cur
                                        : origin == ZLIB_FILEFUNC_SEEK_END ? std::ios_base::end
                                                                           : std::ios_base::beg;
    Out(stream).seekp(static_cast<std::streamoff>(offset), from);
    return Out(stream) ? 0 : -1;
}

int ZCALLBACK StreamClose(voidpf /*opaque*/, voidpf stream) {
    Out(stream).flush();
    return Out(stream) ? 0 : -1;
}

int ZCALLBACK StreamError(voidpf /*opaque*/, voidpf stream) { return Out(stream) ? 0 : 1; }

void Check(int status, std::string_view step) {
    if (status != ZIP_OK)
        throw PackageError("the package could not be written (" + std::string(step) +
                           ", minizip status " + std::to_string(status) + ")");
}

}  // namespace

struct ZipPackage::Zip {
    zipFile file = nullptr;
    std::ostream* out = nullptr;
};

ZipPackage::ZipPackage(std::ostream& out) : zip_(std::make_unique<Zip>()) {
    zlib_filefunc64_def functions{StreamOpen, StreamRead,  StreamWrite, StreamTell,
                                  StreamSeek, StreamClose, StreamError, &out};
    zip_->out = &out;
    zip_->file = zipOpen2_64("", APPEND_STATUS_CREATE, nullptr, &functions);
    if (!zip_->file) throw PackageError("the package could not be started");
}

ZipPackage::~ZipPackage() {
    if (zip_->file) zipClose(zip_->file, nullptr);
}

void ZipPackage::BeginPart(std::string_view name) {
    // Every part dated 1980-01-01, the format's first day, so that the same document gives the
    // same bytes.
    zip_fileinfo info{};
    info.tmz_date.tm_mday = 1;
    info.tmz_date.tm_year = 1980;
    const std::string path(name);
    // A stream that has already failed stops here: minizip, failing to write a part's header,
    // would keep the part's directory entry it had allocated and never free it.
    if (!*zip_->out) Check(ZIP_ERRNO, "starting " + path);
    Check(zipOpenNewFileInZip64(zip_->file, path.c_str(), &info, nullptr, 0, nullptr, 0, nullptr,
                                Z_DEFLATED, Z_DEFAULT_COMPRESSION, 0),
          "starting " + path);
}

void ZipPackage::Write(std::string_view bytes) {
    while (!bytes.empty()) {
        // minizip takes a length of 32 bits at a time.
        const auto piece = static_cast<unsigned>(std::min<std::size_t>(bytes.size(), 1u << 30));
        Check(zipWriteInFileInZip(zip_->file, bytes.data(), piece), "writing a part");
        bytes.remove_prefix(piece);
    }
}

void ZipPackage::EndPart() { Check(zipCloseFileInZip(zip_->file), "ending a part"); }

void ZipPackage::Finish() {
    const int status = zipClose(zip_->file, nullptr);
    zip_->file = nullptr;
    Check(status, "writing the directory");
}

}  // namespace deckplate::report
