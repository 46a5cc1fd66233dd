#pragma once
// The HTML book: one self-contained page, as the calculation book has always been — the book's
// style sheet (A4 with its margins, the page header and 第 N 页 共 M 页 in the page's margin
// boxes), MathML formulas, inline SVG drawings, pictures as data, no script and nothing from
// outside.

#include <ostream>
#include <string>
#include <string_view>

#include "report/document_writer.h"

namespace deckplate::report {

/// The book's style sheet: screen and A4 print, each printed page headed by `header` (the
/// project's name) and numbered 第 N 页 共 M 页 at its foot.
std::string BookStyleSheet(std::string_view header);

}  // namespace deckplate::report

namespace deckplate::report::doc {

class HtmlWriter : public DocumentWriter {
  public:
    /// Writes the document's head to `out` at once.
    HtmlWriter(std::ostream& out, const DocumentInfo& info);
    void Write(const Block& block) override;
    void Finish() override;

  private:
    std::ostream& out_;
};

/// The whole document as one HTML text.
std::string HtmlOf(const Document& document);

}  // namespace deckplate::report::doc
