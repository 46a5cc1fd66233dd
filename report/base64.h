#pragma once
// Bytes as base64 text (RFC 4648), as a picture is put into a page: src="data:image/png;base64,…".

#include <string>
#include <string_view>

namespace deckplate::report {

std::string Base64(std::string_view bytes);

}  // namespace deckplate::report
