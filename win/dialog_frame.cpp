#include "win/dialog_frame.h"

#include <algorithm>

namespace deckplate::win {
namespace {

constexpr DWORD kDialogStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;

// The template: its header, then no menu, the dialog manager's own class and an empty title,
// each a WORD; no font, as the view sets the controls' fonts for the DPI. DWORD-aligned, as
// the dialog manager reads it.
struct alignas(DWORD) EmptyTemplate {
    DLGTEMPLATE header{kDialogStyle, 0, 0, 0, 0, 0, 0};
    WORD menu = 0;
    WORD windowClass = 0;
    WORD title = 0;
};

}  // namespace

HWND CreateEmptyDialog(HWND owner, DLGPROC procedure, LPARAM parameter) {
    static const EmptyTemplate empty;
    return CreateDialogIndirectParamW(GetModuleHandleW(nullptr), &empty.header, owner, procedure,
                                      parameter);
}

unsigned DpiOver(HWND owner) { return owner ? GetDpiForWindow(owner) : GetDpiForSystem(); }

SIZE FrameSize(HWND dialog, SIZE client, unsigned dpi) {
    RECT frame{0, 0, client.cx, client.cy};
    AdjustWindowRectExForDpi(&frame, static_cast<DWORD>(GetWindowLongPtrW(dialog, GWL_STYLE)),
                             FALSE, static_cast<DWORD>(GetWindowLongPtrW(dialog, GWL_EXSTYLE)),
                             dpi);
    return {frame.right - frame.left, frame.bottom - frame.top};
}

void PlaceOver(HWND dialog, SIZE client, unsigned dpi, HWND owner) {
    const SIZE size = FrameSize(dialog, client, dpi);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(owner ? owner : dialog, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT& work = monitor.rcWork;
    RECT over = work;
    if (owner) GetWindowRect(owner, &over);
    // Centred, then moved onto the screen where it would leave it; the title bar stays on it.
    const auto within = [](LONG centred, LONG least, LONG most) {
        return std::max(least, std::min(centred, most));
    };
    const LONG left =
        within((over.left + over.right - size.cx) / 2, work.left, work.right - size.cx);
    const LONG top =
        within((over.top + over.bottom - size.cy) / 2, work.top, work.bottom - size.cy);
    SetWindowPos(dialog, nullptr, left, top, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace deckplate::win
