#include "report/point_load_words.h"

#include "report/book_numbers.h"

namespace deckplate::report {

std::string PatchCutSentence(double across, double along) {
    return "作用面大于区格 a × L，截取为 " + Text(Exact(across)) + " × " + Text(Exact(along)) +
           " mm，全部荷载作用其上（偏安全）。";
}

}  // namespace deckplate::report
