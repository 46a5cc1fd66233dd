// Any bytes given as a bay file: either a bay is read, and written and read back unchanged, or
// BayFileError says what is wrong. Nothing else may escape.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "project/bay_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    try {
        const deckplate::project::BayFile file = deckplate::project::ReadBayFileText(text);
        const std::string written = deckplate::project::BayFileText(file);
        // Text that is not UTF-8 is written as U+FFFD, and reads back as that.
        const deckplate::project::BayFile again = deckplate::project::ReadBayFileText(written);
        if (deckplate::project::BayFileText(again) != written) std::abort();
    } catch (const deckplate::project::BayFileError&) {
    }
    return 0;
}
