#pragma once
// The window class a native control was made of, as the tests compare it with the kind's.

#include <windows.h>

#include <string>

namespace deckplate::win {

inline std::wstring ClassOf(HWND native) {
    wchar_t name[64] = L"";
    GetClassNameW(native, name, 64);
    return name;
}

}  // namespace deckplate::win
