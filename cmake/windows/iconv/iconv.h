#pragma once
// The part of <iconv.h> the batch reader uses, for Windows, where the C library has no iconv.
// iconv_open() knows one conversion, "CP936" (GBK) to "UTF-8"; iconv() reports a byte GBK does
// not define as EILSEQ and a character cut off at the end as EINVAL, as the C library does.

#include <cstddef>

using iconv_t = void*;

iconv_t iconv_open(const char* toCode, const char* fromCode);
std::size_t iconv(iconv_t cd, char** in, std::size_t* inLeft, char** out, std::size_t* outLeft);
int iconv_close(iconv_t cd);
