#include "report/book_file.h"

#include <algorithm>
#include <cctype>
#include <string>

#include "os/file_replacement.h"
#include "os/paths.h"
#include "os/regular_file.h"
#include "os/shown_text.h"
#include "report/book_sections.h"
#include "report/docx_writer.h"
#include "report/html_writer.h"
#include "report/zip_package.h"
#include "version/deckplate_version.h"

namespace deckplate::report {
namespace {

using Fault = BookFileProblem::Fault;

// A logo larger than this is not a logo: the book would carry a photograph.
constexpr std::size_t kMostLogoBytes = 8 * 1024 * 1024;
constexpr double kLogoHeightMm = 15, kLogoMostWidthMm = 60;

std::string ProblemText(const BookFileProblem& problem) {
    const std::string file = os::ShownWhole(os::Utf8Of(problem.file));
    switch (problem.fault) {
        case Fault::UnknownFormat:
            return "the book '" + file +
                   "' must be named .docx (a Word document) or .html/.htm (a web page)";
        case Fault::LogoUnreadable:
            return "cannot read the logo '" + file + "': " + problem.reason.message();
        case Fault::LogoNotAnImage:
            break;
    }
    return "the logo '" + file + "' is not a PNG or JPEG image";
}

unsigned BigEndian(std::string_view bytes, std::size_t at, std::size_t length) {
    unsigned value = 0;
    for (std::size_t i = 0; i < length; ++i)
        value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

struct PixelSize {
    unsigned width = 0, height = 0;
};

// A PNG's size from its header chunk.
std::optional<PixelSize> PngSize(std::string_view bytes) {
    if (bytes.size() < 24 || bytes.substr(0, 8) != "\x89PNG\r\n\x1a\n" ||
        bytes.substr(12, 4) != "IHDR")
        return std::nullopt;
    return PixelSize{BigEndian(bytes, 16, 4), BigEndian(bytes, 20, 4)};
}

// A JPEG's size from its frame header (SOF0 to SOF15 but DHT, JPG and DAC).
std::optional<PixelSize> JpegSize(std::string_view bytes) {
    if (bytes.size() < 4 || bytes.substr(0, 2) != "\xff\xd8") return std::nullopt;
    for (std::size_t at = 2; at + 4 <= bytes.size();) {
        if (static_cast<unsigned char>(bytes[at]) != 0xff) return std::nullopt;
        const unsigned marker = static_cast<unsigned char>(bytes[at + 1]);
        if (marker == 0xff) {  // fill bytes
            ++at;
            continue;
        }
        const std::size_t length = BigEndian(bytes, at + 2, 2);
        const bool frame =
            marker >= 0xc0 && marker <= 0xcf && marker != 0xc4 && marker != 0xc8 && marker != 0xcc;
        if (frame && at + 9 <= bytes.size())
            return PixelSize{BigEndian(bytes, at + 7, 2), BigEndian(bytes, at + 5, 2)};
        if (length < 2) return std::nullopt;
        at += 2 + length;
    }
    return std::nullopt;
}

std::string ReadAll(const std::filesystem::path& path) {
    try {
        const os::ReadStream file = os::OpenRegularFile(path);
        std::string bytes;
        char buffer[64 * 1024];
        for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, file.get())) > 0;) {
            bytes.append(buffer, n);
            if (bytes.size() > kMostLogoBytes) throw BookFileError({Fault::LogoNotAnImage, path});
        }
        if (std::ferror(file.get()))
            throw BookFileError(
                {Fault::LogoUnreadable, path, std::make_error_code(std::errc::io_error)});
        return bytes;
    } catch (const os::OpenError& e) {
        const std::error_code reason = e.fault() == os::OpenFault::System ? e.reason()
                                       : e.fault() == os::OpenFault::Folder
                                           ? std::make_error_code(std::errc::is_a_directory)
                                           : std::make_error_code(std::errc::invalid_argument);
        throw BookFileError({Fault::LogoUnreadable, path, reason});
    }
}

}  // namespace

BookFileError::BookFileError(BookFileProblem problem)
    : std::runtime_error(ProblemText(problem)), problem_(std::move(problem)) {}

std::optional<BookFormat> BookFormatOf(const std::filesystem::path& path) {
    std::string extension = os::Utf8Of(path.extension());
    std::ranges::transform(extension, extension.begin(),
                           [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (extension == ".docx") return BookFormat::Docx;
    if (extension == ".html" || extension == ".htm") return BookFormat::Html;
    return std::nullopt;
}

std::string_view ExtensionOf(BookFormat format) {
    return format == BookFormat::Docx ? ".docx" : ".html";
}

std::unique_ptr<doc::DocumentWriter> BookWriter(BookFormat format, std::ostream& out,
                                                const doc::DocumentInfo& info) {
    if (format == BookFormat::Docx) return std::make_unique<doc::DocxWriter>(out, info);
    return std::make_unique<doc::HtmlWriter>(out, info);
}

std::optional<doc::ImageRun> ReadLogo(const project::ProjectInfo& project) {
    if (project.logo.empty()) return std::nullopt;
    const std::filesystem::path path = os::PathFromUtf8(project.logo);
    std::string bytes = ReadAll(path);
    std::optional<PixelSize> size = PngSize(bytes);
    const doc::ImageType type = size ? doc::ImageType::Png : doc::ImageType::Jpeg;
    if (!size) size = JpegSize(bytes);
    if (!size || size->width == 0 || size->height == 0)
        throw BookFileError({Fault::LogoNotAnImage, path});
    double height = kLogoHeightMm;
    double width = height * size->width / size->height;
    if (width > kLogoMostWidthMm) {
        height *= kLogoMostWidthMm / width;
        width = kLogoMostWidthMm;
    }
    return doc::ImageRun{.bytes = std::move(bytes),
                         .type = type,
                         .widthMm = width,
                         .heightMm = height,
                         .description = "设计单位标志"};
}

BookInput BookInputOf(const BayInput& bay, std::string_view bayName, project::ProjectInfo project) {
    project = project::Dated(std::move(project));
    std::optional<doc::ImageRun> logo = ReadLogo(project);
    return {.bay = bay,
            .bayName = std::string(bayName),
            .project = std::move(project),
            .version = DECKPLATE_VERSION,
            .logo = std::move(logo)};
}

void WriteBook(const BookInput& input, const BayCheck& check, const std::filesystem::path& path,
               BookFormat format) {
    const doc::Document book = CalculationBook(input, check);
    os::FileReplacement file(path);
    try {
        const std::unique_ptr<doc::DocumentWriter> writer =
            BookWriter(format, file.Stream(), book.info);
        doc::WriteDocument(*writer, book);
    } catch (const PackageError&) {
        // The Word package goes back over what it wrote: a failed write says why on Commit,
        // and a destination that cannot seek (a pipe) cannot hold it.
        if (!file.Stream()) file.Commit();
        throw os::FileError(os::FileStep::Write, path,
                            std::make_error_code(std::errc::invalid_seek));
    }
    file.Commit();
}

bool WriteScheduleBook(const ScheduleBookInput& input, std::span<const ScheduleBookRow> rows,
                       std::ostream& out, BookFormat format, const BookProgress& progress) {
    const doc::DocumentInfo info = BookInfo({}, input.project, input.version);
    const std::unique_ptr<doc::DocumentWriter> writer = BookWriter(format, out, info);
    return WriteScheduleBook(*writer, input, rows, progress);
}

}  // namespace deckplate::report
