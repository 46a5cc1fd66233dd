#include "win/dialog_window.h"

#include <commctrl.h>

#include <system_error>

#include "os/wide_text.h"
#include "win/dialog_controls.h"
#include "win/dialog_frame.h"
#include "win/dpi_layout.h"
#include "win/native_controls.h"
#include "win/native_state.h"

namespace deckplate::win {
namespace {

using form::DialogKind;

// Posted when a list's row loses its pick; the list's number goes with it.
constexpr UINT kConfirmPick = WM_APP + 1;

}  // namespace

DialogWindow::DialogWindow(form::Dialog& model, HWND owner) : model_(model), owner_(owner) {
    INITCOMMONCONTROLSEX commonControls{sizeof commonControls,
                                        ICC_STANDARD_CLASSES | ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&commonControls);
    dialog_ = CreateEmptyDialog(owner, Procedure, reinterpret_cast<LPARAM>(this));
    if (!dialog_)
        throw std::system_error(static_cast<int>(GetLastError()), std::system_category(),
                                "the dialog could not be created");
    const form::DialogTable& table = model_.Table();
    SetWindowTextW(dialog_, os::WideFromUtf8(table.title).c_str());
    for (std::size_t i = 0; i < table.rows.size(); ++i) {
        const int id = kFirstControlId + static_cast<int>(i);
        controls_.push_back(CreateDialogControl(table.rows[i], dialog_, id));
        if (table.rows[i].defaultButton) SendMessageW(dialog_, DM_SETDEFID, id, 0);
    }
    const unsigned dpi = DpiOver(owner);
    LayOutControls(dpi);
    PlaceOver(dialog_, {PixelsFromTwips(table.width, dpi), PixelsFromTwips(table.height, dpi)}, dpi,
              owner);
    for (std::size_t i = 0; i < controls_.size(); ++i) ControlChanged(static_cast<int>(i));
    model_.SetView(this);
}

DialogWindow::~DialogWindow() {
    model_.SetView(nullptr);
    if (modal_) EndModal();
    SetWindowLongPtrW(dialog_, DWLP_USER, 0);  // the last messages go to the system alone
    DestroyWindow(dialog_);
}

void DialogWindow::Run() {
    if (!model_.IsOpen()) return;
    modal_ = Modal{GetFocus(), owner_ && IsWindowEnabled(owner_)};
    if (modal_->ownerWasEnabled) EnableWindow(owner_, FALSE);
    ShowWindow(dialog_, SW_SHOW);
    if (const HWND first = GetNextDlgTabItem(dialog_, nullptr, FALSE))
        SendMessageW(dialog_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(first), TRUE);
    MSG message{};
    while (modal_) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got <= 0) {
            model_.Cancel();
            PostQuitMessage(got == 0 ? static_cast<int>(message.wParam) : 1);
            break;
        }
        if (IsDialogMessageW(dialog_, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

void DialogWindow::FocusOn(int control) {
    // As Tab moves it: a push button given the focus becomes the default one.
    SendMessageW(dialog_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(NativeControl(control)), TRUE);
}

void DialogWindow::Closed() {
    if (modal_) EndModal();
}

void DialogWindow::EndModal() {
    // The owner first, so that it is the window activated as the dialog goes.
    if (modal_->ownerWasEnabled) EnableWindow(owner_, TRUE);
    ShowWindow(dialog_, SW_HIDE);
    if (modal_->ownerFocus && IsWindow(modal_->ownerFocus)) SetFocus(modal_->ownerFocus);
    modal_.reset();
}

SIZE DialogWindow::ClientSize(unsigned dpi) const {
    return {PixelsFromTwips(model_.Table().width, dpi),
            PixelsFromTwips(model_.Table().height, dpi)};
}

void DialogWindow::LayOutControls(unsigned dpi) {
    auto fonts = std::make_unique<FormFonts>(dpi);
    const auto rows = model_.Table().rows;
    for (std::size_t i = 0; i < controls_.size(); ++i)
        PlaceDialogControl(controls_[i], rows[i], dpi, fonts->Font(form::Face::Ui));
    fonts_ = std::move(fonts);  // the previous fonts go once no control uses them
    InvalidateRect(dialog_, nullptr, TRUE);
}

void DialogWindow::ControlChanged(int control) {
    const HWND native = NativeControl(control);
    const HWND focus = GetFocus();
    const bool outer = showingState_;
    showingState_ = true;
    ShowDialogState(native, model_.Table().rows[static_cast<std::size_t>(control)],
                    model_.State(control));
    showingState_ = outer;
    KeepFocusUsable(dialog_, native, focus);
}

std::optional<int> DialogWindow::ControlOf(HWND native) const {
    // A list's header is a child of the list.
    while (native && GetParent(native) != dialog_) native = GetParent(native);
    if (!native) return std::nullopt;
    const int index = GetDlgCtrlID(native) - kFirstControlId;
    if (index < 0 || index >= static_cast<int>(controls_.size()) ||
        controls_[static_cast<std::size_t>(index)] != native)
        return std::nullopt;
    return index;
}

void DialogWindow::Command(int id, int code, HWND from) {
    if (id == IDCANCEL) {  // Esc
        model_.Cancel();
        return;
    }
    const auto control = ControlOf(id == IDOK ? GetFocus() : from);
    if (!control) return;
    const DialogKind kind = model_.Table().rows[static_cast<std::size_t>(*control)].kind;
    if (id == IDOK) {  // Enter in a dialog without a default button: the focused button only
        if (kind == DialogKind::PushButton) model_.Clicked(*control);
        return;
    }
    if (from != NativeControl(*control)) return;
    switch (kind) {
        case DialogKind::TextBox:
            if (code == EN_CHANGE && !showingState_) model_.TextEdited(*control, WindowText(from));
            break;
        case DialogKind::DropDown:
            // Picked from the dropped list, or with an arrow key on the closed one.
            if (code == CBN_SELENDOK)
                model_.ListPicked(*control,
                                  static_cast<int>(SendMessageW(from, CB_GETCURSEL, 0, 0)));
            break;
        case DialogKind::CheckBox:
        case DialogKind::PushButton:
            if (code == BN_CLICKED) model_.Clicked(*control);
            break;
        case DialogKind::Frame:
        case DialogKind::Label:
        case DialogKind::List:
            break;
    }
}

void DialogWindow::Notify(const NMHDR& notification) {
    const auto control = ControlOf(notification.hwndFrom);
    if (!control || notification.hwndFrom != NativeControl(*control) || showingState_) return;
    if (notification.code == LVN_ITEMCHANGED) {
        const auto& change = reinterpret_cast<const NMLISTVIEW&>(notification);
        if (!(change.uChanged & LVIF_STATE)) return;
        const bool picked = change.uNewState & LVIS_SELECTED;
        const bool wasPicked = change.uOldState & LVIS_SELECTED;
        // Picking another row first unpicks the one before: that is no pick of none unless
        // it stays so once the list is done.
        if (picked && !wasPicked)
            model_.ListPicked(*control, change.iItem);
        else if (wasPicked && !picked)
            PostMessageW(dialog_, kConfirmPick, static_cast<WPARAM>(*control), 0);
    } else if (notification.code == NM_DBLCLK) {
        const auto& activation = reinterpret_cast<const NMITEMACTIVATE&>(notification);
        if (activation.iItem >= 0) model_.DoubleClicked(*control, activation.iItem);
    } else if (notification.code == NM_RETURN) {  // Enter on the picked row
        model_.DoubleClicked(*control, PickedRow(notification.hwndFrom));
    }
}

void DialogWindow::ConfirmPick(int list) {
    const int shown = PickedRow(NativeControl(list));
    if (shown != model_.State(list).picked) model_.ListPicked(list, shown);
}

HBRUSH DialogWindow::Colour(HDC dc, HWND native) const {
    const auto control = ControlOf(native);
    if (!control || native != NativeControl(*control)) return nullptr;
    const form::ControlState& state = model_.State(*control);
    if (state.ink == form::Ink::Default) return nullptr;
    switch (model_.Table().rows[static_cast<std::size_t>(*control)].kind) {
        case DialogKind::Frame:
        case DialogKind::Label:
        case DialogKind::CheckBox:
            SetTextColor(dc, InkColour(state.ink));
            SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
            return GetSysColorBrush(COLOR_BTNFACE);
        case DialogKind::TextBox:
        case DialogKind::DropDown:
        case DialogKind::PushButton:
        case DialogKind::List:
            break;
    }
    return nullptr;
}

INT_PTR CALLBACK DialogWindow::Procedure(HWND dialog, UINT message, WPARAM w, LPARAM l) {
    if (message == WM_INITDIALOG) {
        auto* self = reinterpret_cast<DialogWindow*>(l);
        self->dialog_ = dialog;
        SetWindowLongPtrW(dialog, DWLP_USER, l);
        return FALSE;  // no control yet to give the focus to
    }
    auto* self = reinterpret_cast<DialogWindow*>(GetWindowLongPtrW(dialog, DWLP_USER));
    return self ? self->Handle(message, w, l) : FALSE;
}

INT_PTR DialogWindow::Handle(UINT message, WPARAM w, LPARAM l) {
    switch (message) {
        case WM_COMMAND:
            Command(LOWORD(w), HIWORD(w), reinterpret_cast<HWND>(l));
            return TRUE;
        case WM_NOTIFY:
            Notify(*reinterpret_cast<const NMHDR*>(l));
            return TRUE;
        case kConfirmPick:
            ConfirmPick(static_cast<int>(w));
            return TRUE;
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORBTN:
            return reinterpret_cast<INT_PTR>(
                Colour(reinterpret_cast<HDC>(w), reinterpret_cast<HWND>(l)));
        case WM_CLOSE:  // the close box
            model_.Cancel();
            return TRUE;
        case WM_GETDPISCALEDSIZE: {
            // The table's size at the new DPI, not the dialog manager's own scaling.
            const auto dpi = static_cast<unsigned>(w);
            *reinterpret_cast<SIZE*>(l) = FrameSize(dialog_, ClientSize(dpi), dpi);
            SetWindowLongPtrW(dialog_, DWLP_MSGRESULT, TRUE);
            return TRUE;
        }
        case WM_DPICHANGED: {
            const auto* suggested = reinterpret_cast<const RECT*>(l);
            SetWindowPos(dialog_, nullptr, suggested->left, suggested->top,
                         suggested->right - suggested->left, suggested->bottom - suggested->top,
                         SWP_NOZORDER | SWP_NOACTIVATE);
            LayOutControls(HIWORD(w));
            return TRUE;
        }
        default:
            return FALSE;
    }
}

}  // namespace deckplate::win
