#pragma once
// What the calculation book and the text report both say of a point load's patch, in the same
// words.

#include <string>

namespace deckplate::report {

/// "作用面大于区格 a × L，截取为 500 × 2000 mm，全部荷载作用其上（偏安全）。": a patch larger
/// than the plate panel a × L acts cut to it, `across` and `along` in mm as it acts.
std::string PatchCutSentence(double across, double along);

}  // namespace deckplate::report
