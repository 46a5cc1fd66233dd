#pragma once
// The Word book: an Office Open XML package (.docx) that Word, WPS and LibreOffice open and an
// engineer can edit — real styles (标题 1/2/3 as Heading 1/2/3 with outline levels, so that the
// navigation pane and a table of contents work; 正文 and the book's own), equations as Office
// Math, drawings as groups of shapes, A4 with the HTML book's margins, the project's name in the
// page header and 第 N 页 共 M 页 from PAGE and NUMPAGES fields in the footer, and a request to
// update the fields (the contents' page numbers) when Word opens it.
//
// The package's parts:
//   [Content_Types].xml, _rels/.rels, docProps/core.xml, docProps/app.xml,
//   word/document.xml (streamed: each block deflated into the package as it is written),
//   word/styles.xml, word/settings.xml, word/fontTable.xml, word/header1.xml,
//   word/footer1.xml, word/media/image<N>.png|jpeg, word/_rels/document.xml.rels

#include <memory>
#include <ostream>

#include "report/document_writer.h"

namespace deckplate::report::doc {

class DocxWriter : public DocumentWriter {
  public:
    /// Starts the package in `out`, which must be seekable (a file or string stream). Throws
    /// PackageError (zip_package.h).
    DocxWriter(std::ostream& out, const DocumentInfo& info);
    ~DocxWriter() override;
    /// Throws XmlTextError for a text XML cannot hold (text typed by a user goes through
    /// Clean() first), PackageError when the stream fails.
    void Write(const Block& block) override;
    void Finish() override;

  private:
    struct Package;
    std::unique_ptr<Package> package_;
};

/// The whole document as a .docx package into `out` (seekable).
void WriteDocx(std::ostream& out, const Document& document);

}  // namespace deckplate::report::doc
