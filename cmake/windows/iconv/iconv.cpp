#include "iconv.h"

#include <windows.h>

#include <cerrno>
#include <cstring>
#include <string_view>

namespace {

constexpr UINT kGbk = 936;
constexpr std::size_t kFailed = static_cast<std::size_t>(-1);

// The one conversion there is; its address is the handle.
int gbkToUtf8;

std::size_t Fail(int error) {
    errno = error;
    return kFailed;
}

}  // namespace

iconv_t iconv_open(const char* toCode, const char* fromCode) {
    if (std::string_view(toCode) == "UTF-8" && std::string_view(fromCode) == "CP936")
        return &gbkToUtf8;
    errno = EINVAL;
    return reinterpret_cast<iconv_t>(-1);
}

int iconv_close(iconv_t) { return 0; }

// One character at a time, so a byte GBK does not define stops the conversion exactly there,
// with everything before it converted.
std::size_t iconv(iconv_t, char** in, std::size_t* inLeft, char** out, std::size_t* outLeft) {
    if (in == nullptr || *in == nullptr) return 0;  // a reset: GBK has no shift state
    while (*inLeft > 0) {
        const auto lead = static_cast<unsigned char>(**in);
        // 0xFF is neither a character nor a lead byte in GBK; Windows' own table may give it a
        // private-use character.
        if (lead == 0xff) return Fail(EILSEQ);
        const std::size_t length = lead >= 0x81 && lead <= 0xfe ? 2 : 1;
        if (length > *inLeft) return Fail(EINVAL);
        wchar_t wide[2];
        const int wideLength =
            MultiByteToWideChar(kGbk, MB_ERR_INVALID_CHARS, *in, static_cast<int>(length), wide, 2);
        if (wideLength == 0) return Fail(EILSEQ);
        char utf8[8];
        const int utf8Length =
            WideCharToMultiByte(CP_UTF8, 0, wide, wideLength, utf8, sizeof utf8, nullptr, nullptr);
        if (static_cast<std::size_t>(utf8Length) > *outLeft) return Fail(E2BIG);
        std::memcpy(*out, utf8, static_cast<std::size_t>(utf8Length));
        *in += length;
        *inLeft -= length;
        *out += utf8Length;
        *outLeft -= static_cast<std::size_t>(utf8Length);
    }
    return 0;
}
