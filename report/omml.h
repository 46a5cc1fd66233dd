#pragma once
// A formula as Office Math (OMML), the equations of Word, which WPS and LibreOffice read as
// equations too: symbols and numbers in Cambria Math, fractions (m:f), scripts (m:sSup,
// m:sSub), a sum's range below it (m:limLow), parentheses that grow with what they hold (m:d),
// words and units upright in the text's own fonts (m:nor).

#include "report/math_tree.h"
#include "report/xml_writer.h"

namespace deckplate::report::math {

/// Writes <m:oMath>…</m:oMath>; a formula set on a line of its own is this inside m:oMathPara.
void WriteOmml(XmlWriter& xml, const Expr& formula);

}  // namespace deckplate::report::math
