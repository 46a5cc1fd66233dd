#pragma once
// A sample calculation book that uses every construct of the document model — the title block
// with a logo, the contents, headings of three levels, paragraphs with subscripts, inline
// formulas and links, formula blocks with a continuation line, fractions, scripts, a sum with
// its range, parentheses, numbers × 10ⁿ, tables (headings, spans, right-aligned numbers, an
// exceeded row, a sum row, a compact series), verdicts passed and exceeded, notes, both
// drawings, blocks side by side and kept together, page breaks — with one part per bay, as long
// as a bay's book. The Word writer's tests, the LibreOffice test and the measurements write it.

#include <string>

#include "report/document.h"

namespace deckplate::report::doc {

/// The sample's title block, contents and `bays` parts, each about three and a half A4 pages.
/// `logo`: a PNG file's bytes for the title block, none when empty.
Document SampleDocument(int bays, std::string logo);

/// The sample's title, page header, author and date.
DocumentInfo SampleInfo();
/// The sample's title block (with `logo`, a PNG file's bytes, when not empty), its contents of
/// `bays` parts and a paragraph with a link to the first.
std::vector<Block> SampleFront(int bays, std::string logo);

/// A part of the sample: bay `bay`'s blocks (1, 2, …).
std::vector<Block> SampleBay(int bay);

/// The words and numbers every bay's part shows, for a reader of the converted book to find.
extern const std::vector<std::string> kSampleTexts;

}  // namespace deckplate::report::doc
