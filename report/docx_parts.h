#pragma once
// The parts of the Word book other than its body (docx_writer.h): its styles, settings, fonts,
// page header and footer, properties, content types and relationships.

#include <string>
#include <string_view>
#include <vector>

#include "report/document.h"
#include "report/xml_writer.h"
#include "report/zip_package.h"

namespace deckplate::report::doc::docx {

/// The namespaces of word/document.xml, and those of the header and footer.
extern const std::initializer_list<std::pair<std::string_view, std::string_view>> kBodyNamespaces;

/// Twips (1/1440 inch), Word's length in page layout.
int Twips(double mm);

/// A4 less the margins: the width a block may take, twips.
int TextWidth();

/// A picture the body refers to, kept until the package is finished.
struct Media {
    std::string bytes;
    ImageType type;
    std::string relationship;  ///< "rIdImage1"
    std::string part;          ///< "media/image1.png", as word/ refers to it
};

/// Writes the page size and margins, and which header and footer each page takes: the body's
/// last element.
void WriteSection(XmlWriter& xml);

/// Every part but word/document.xml.
void WriteOtherParts(ZipPackage& package, const DocumentInfo& info,
                     const std::vector<Media>& media);

}  // namespace deckplate::report::doc::docx
