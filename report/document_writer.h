#pragma once
// What sets a document in a format: it takes the blocks one at a time, in order, and ends the
// document when told, so that a book is written as it is made.

#include "report/document.h"

namespace deckplate::report::doc {

class DocumentWriter {
  public:
    virtual ~DocumentWriter() = default;
    virtual void Write(const Block& block) = 0;
    /// Ends the document; nothing is written after.
    virtual void Finish() = 0;
};

/// Every block of `document`, then its end.
void WriteDocument(DocumentWriter& writer, const Document& document);

}  // namespace deckplate::report::doc
