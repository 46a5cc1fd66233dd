#include "win/progress_box.h"

#include <commctrl.h>

#include <cmath>
#include <system_error>

#include "os/wide_text.h"
#include "win/dialog_frame.h"
#include "win/dpi_layout.h"

namespace deckplate::win {
namespace {

// Not shown for a task shorter than this.
constexpr auto kQuietTime = std::chrono::milliseconds(500);
// The bar's steps.
constexpr int kBarRange = 1000;

// The box at 96 DPI, pixels: the bar across the top, 取消 centred below it.
constexpr SIZE kClient{320, 84};
constexpr RECT kBar{16, 16, 304, 36};
constexpr RECT kCancel{122, 50, 198, 74};

bool IsInput(UINT message) {
    return (message >= WM_KEYFIRST && message <= WM_KEYLAST) ||
           (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) ||
           (message >= WM_NCMOUSEMOVE && message <= WM_NCXBUTTONDBLCLK);
}

HWND CreateChild(HWND box, const wchar_t* windowClass, const wchar_t* text, DWORD style,
                 const RECT& place, unsigned dpi, int id) {
    return CreateWindowExW(
        0, windowClass, text, WS_CHILD | WS_VISIBLE | style, Scaled(place.left, dpi),
        Scaled(place.top, dpi), Scaled(place.right - place.left, dpi),
        Scaled(place.bottom - place.top, dpi), box, reinterpret_cast<HMENU>(INT_PTR{id}),
        GetModuleHandleW(nullptr), nullptr);
}

}  // namespace

ProgressBox::ProgressBox(HWND owner, std::string_view task)
    : owner_(owner),
      ownerFocus_(GetFocus()),
      ownerWasEnabled_(owner && IsWindowEnabled(owner)),
      start_(std::chrono::steady_clock::now()) {
    INITCOMMONCONTROLSEX commonControls{sizeof commonControls,
                                        ICC_STANDARD_CLASSES | ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&commonControls);
    box_ = CreateEmptyDialog(owner, Procedure, reinterpret_cast<LPARAM>(this));
    if (!box_)
        throw std::system_error(static_cast<int>(GetLastError()), std::system_category(),
                                "the progress box could not be created");
    SetWindowTextW(box_, os::WideFromUtf8(task).c_str());
    const unsigned dpi = DpiOver(owner);
    fonts_ = std::make_unique<FormFonts>(dpi);
    bar_ = CreateChild(box_, PROGRESS_CLASSW, L"", 0, kBar, dpi, 0);
    SendMessageW(bar_, PBM_SETRANGE32, 0, kBarRange);
    // 取消 is the box's Cancel: Esc presses it too.
    const HWND cancel = CreateChild(box_, WC_BUTTONW, L"取消", BS_DEFPUSHBUTTON | WS_TABSTOP,
                                    kCancel, dpi, IDCANCEL);
    SendMessageW(cancel, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_->Font(form::Face::Ui)), FALSE);
    PlaceOver(box_, {Scaled(kClient.cx, dpi), Scaled(kClient.cy, dpi)}, dpi, owner);
    if (ownerWasEnabled_) EnableWindow(owner_, FALSE);
}

ProgressBox::~ProgressBox() {
    if (ownerWasEnabled_) EnableWindow(owner_, TRUE);  // first: the owner is activated next
    SetWindowLongPtrW(box_, DWLP_USER, 0);
    DestroyWindow(box_);
    if (ownerFocus_ && IsWindow(ownerFocus_)) SetFocus(ownerFocus_);
}

bool ProgressBox::Step(double done) {
    if (!IsWindowVisible(box_) && std::chrono::steady_clock::now() - start_ >= kQuietTime) {
        ShowWindow(box_, SW_SHOW);
        SetFocus(GetDlgItem(box_, IDCANCEL));
    }
    const double bounded = std::isfinite(done) ? std::fmin(std::fmax(done, 0.0), 1.0) : 0.0;
    SendMessageW(bar_, PBM_SETPOS, static_cast<WPARAM>(std::lround(bounded * kBarRange)), 0);
    ProcessPending();
    return !cancelled_;
}

bool ProgressBox::ForTheBox(const MSG& message) const {
    return message.hwnd == box_ || IsChild(box_, message.hwnd);
}

void ProgressBox::ProcessPending() {
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {  // the program ends: so does the task
            cancelled_ = true;
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        if (IsInput(message.message) && !ForTheBox(message)) continue;
        if (IsDialogMessageW(box_, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

INT_PTR CALLBACK ProgressBox::Procedure(HWND box, UINT message, WPARAM w, LPARAM l) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(box, DWLP_USER, l);
        return FALSE;
    }
    auto* self = reinterpret_cast<ProgressBox*>(GetWindowLongPtrW(box, DWLP_USER));
    if (!self) return FALSE;
    switch (message) {
        case WM_COMMAND:
            if (LOWORD(w) == IDCANCEL) {  // 取消, Esc
                self->cancelled_ = true;
                EnableWindow(GetDlgItem(box, IDCANCEL), FALSE);  // pressed once is enough
            }
            return TRUE;
        case WM_CLOSE:
            self->cancelled_ = true;
            return TRUE;
        default:
            return FALSE;
    }
}

}  // namespace deckplate::win
