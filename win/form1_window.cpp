#include "win/form1_window.h"

#include <commctrl.h>

#include <algorithm>
#include <system_error>

#include "os/wide_text.h"
#include "win/dpi_layout.h"
#include "win/menu_bar.h"
#include "win/native_controls.h"
#include "win/native_state.h"
#include "win/resource_ids.h"

namespace deckplate::win {
namespace {

using form::Control;
using form::Kind;

constexpr wchar_t kWindowClass[] = L"DeckPlateForm1";
// Fixed in size, as the form is measured; it can be minimised.
constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

void RegisterWindowClass(HINSTANCE instance, WNDPROC procedure) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    if (GetClassInfoExW(instance, kWindowClass, &windowClass)) return;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(DECKPLATE_ICON));
    windowClass.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(DECKPLATE_ICON),
                                                        IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                                        GetSystemMetrics(SM_CYSMICON), 0));
    windowClass.lpszClassName = kWindowClass;
    RegisterClassExW(&windowClass);
}

// The controls' z-order is IsDialogMessageW's focus order, and decides which of two
// overlapping controls is drawn (every control clips the ones above it). On top, the controls
// that take the focus, in the focus order; below them the others, a later row of the table
// above an earlier one as the layout lays them over each other; lowest the frames, each below
// the frames inside it.
void ArrangeZOrder(const std::array<HWND, form::kControlCount>& controls) {
    HWND previous = HWND_TOP;
    const auto place = [&](Control control) {
        const HWND native = controls[static_cast<std::size_t>(control)];
        SetWindowPos(native, previous, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        previous = native;
    };
    const auto focusOrder = form::FocusOrder();
    for (const Control control : focusOrder) place(control);
    const auto table = form::ControlTable();
    for (auto row = table.rbegin(); row != table.rend(); ++row)
        if (row->kind != Kind::Frame &&
            std::find(focusOrder.begin(), focusOrder.end(), row->id) == focusOrder.end())
            place(row->id);
    for (auto row = table.rbegin(); row != table.rend(); ++row)
        if (row->kind == Kind::Frame) place(row->id);
}

MONITORINFO MonitorOf(HWND window, DWORD fallback) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(window, fallback), &monitor);
    return monitor;
}

}  // namespace

Form1Window::Form1Window(form::Form1& model, HINSTANCE instance) : model_(model) {
    // The controls of common controls 6, which deckplate.exe's manifest asks for.
    INITCOMMONCONTROLSEX commonControls{sizeof commonControls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&commonControls);
    RegisterWindowClass(instance, Procedure);
    window_ = CreateWindowExW(0, kWindowClass, L"", kWindowStyle, CW_USEDEFAULT, CW_USEDEFAULT, 0,
                              0, nullptr, CreateMenuBar(model_), instance, this);
    if (!window_)
        throw std::system_error(static_cast<int>(GetLastError()), std::system_category(),
                                "the window could not be created");
    for (const form::ControlRow& row : form::ControlTable()) {
        const auto index = static_cast<std::size_t>(row.id);
        controls_[index] =
            CreateNativeControl(row, window_, kFirstControlId + static_cast<int>(index));
    }
    ArrangeZOrder(controls_);
    const unsigned dpi = GetDpiForWindow(window_);
    LayOutControls(dpi);
    FitWindowTo(dpi);
    ControlChanged(Control::Window);
    for (const form::ControlRow& row : form::ControlTable()) ControlChanged(row.id);
    for (const form::MenuRow& row : form::MenuTable()) MenuItemChanged(row.id);
    model_.SetView(this);
}

Form1Window::~Form1Window() {
    model_.SetView(nullptr);
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);  // the last messages go to the system alone
    DestroyWindow(window_);
}

HWND Form1Window::NativeControl(Control control) const {
    return control == Control::Window ? window_ : controls_[static_cast<std::size_t>(control)];
}

std::optional<Control> Form1Window::ControlOf(HWND native) const {
    // A list's field is a child of its combo box.
    while (native && GetParent(native) != window_) native = GetParent(native);
    if (!native) return std::nullopt;
    const int index = GetDlgCtrlID(native) - kFirstControlId;
    if (index < 0 || index >= static_cast<int>(form::kControlCount) ||
        controls_[static_cast<std::size_t>(index)] != native)
        return std::nullopt;
    return static_cast<Control>(index);
}

void Form1Window::Form_Load() {
    // The model's start-up first: a group remembered as shown makes the window larger.
    model_.Form_Load();
    const MONITORINFO monitor = MonitorOf(window_, MONITOR_DEFAULTTOPRIMARY);
    const RECT& screen = monitor.rcMonitor;
    RECT frame;
    GetWindowRect(window_, &frame);
    const form::WindowPosition position =
        form::CentredWindow(screen.right - screen.left, screen.bottom - screen.top,
                            frame.right - frame.left, frame.bottom - frame.top);
    SetWindowPos(window_, nullptr, screen.left + position.left, screen.top + position.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    KeepOnScreen(monitor);  // clear of the taskbar
}

void Form1Window::LayoutChanged() {
    const unsigned dpi = GetDpiForWindow(window_);
    LayOutControls(dpi);
    FitWindowTo(dpi);
    if (!IsWindowVisible(window_)) return;  // not on show yet: start-up places it as it is
    KeepOnScreen(MonitorOf(window_, MONITOR_DEFAULTTONEAREST));
}

void Form1Window::KeepOnScreen(const MONITORINFO& monitor) {
    const RECT& work = monitor.rcWork;  // the screen without the taskbar
    RECT frame;
    GetWindowRect(window_, &frame);
    const form::WindowPosition position =
        form::OnScreen({work.left, work.top, work.right - work.left, work.bottom - work.top},
                       {frame.left, frame.top, frame.right - frame.left, frame.bottom - frame.top});
    if (position.left != frame.left || position.top != frame.top)
        SetWindowPos(window_, nullptr, position.left, position.top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form1Window::LayOutControls(unsigned dpi) {
    auto fonts = std::make_unique<FormFonts>(dpi);
    for (const form::ControlRow& row : form::ControlTable()) {
        const HWND native = NativeControl(row.id);
        SendMessageW(native, WM_SETFONT, reinterpret_cast<WPARAM>(fonts->Font(row.face)), FALSE);
        const RECT place = ControlRect(row.id, dpi, model_.Layout());
        const int height = place.bottom - place.top;
        // A combo box takes the height of its dropped list with its place; its field's height
        // is set after, as placing it resets it.
        const int list = row.kind == Kind::ComboBox ? Scaled(kDroppedListPixels, dpi) : 0;
        SetWindowPos(native, nullptr, place.left, place.top, place.right - place.left,
                     height + list, SWP_NOZORDER | SWP_NOACTIVATE);
        if (row.kind == Kind::ComboBox) SetFieldHeight(native, height);
    }
    fonts_ = std::move(fonts);  // the previous fonts go once no control uses them
    InvalidateRect(window_, nullptr, TRUE);
}

void Form1Window::FitWindowTo(unsigned dpi) {
    const SIZE client = ClientSize(dpi, model_.Layout());
    RECT frame{0, 0, client.cx, client.cy};
    AdjustWindowRectExForDpi(&frame, kWindowStyle, TRUE, 0, dpi);
    SetWindowPos(window_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form1Window::ControlChanged(Control control) {
    if (control == Control::Window) {
        SetWindowTextW(window_, os::WideFromUtf8(model_.State(control).text).c_str());
        return;
    }
    const HWND native = NativeControl(control);
    const HWND focus = GetFocus();  // Wine takes the focus from a control as it is disabled
    const bool outer = showingState_;
    showingState_ = true;
    ShowState(native, form::Row(control), model_.State(control));
    showingState_ = outer;
    KeepFocusUsable(window_, native, focus);
}

void Form1Window::MenuItemChanged(form::MenuItem item) {
    if (!form::Row(item).variable) {
        ShowMenuItemState(MenuBar(), item, model_.State(item));
        return;
    }
    // A file opened last came or went, or moved up the list: a new bar with every item's state.
    const HMENU old = MenuBar();
    SetMenu(window_, CreateMenuBar(model_));
    DestroyMenu(old);
    for (const form::MenuRow& row : form::MenuTable())
        if (!row.variable) ShowMenuItemState(MenuBar(), row.id, model_.State(row.id));
    DrawMenuBar(window_);
}

void Form1Window::Command(int id, int code, HWND from) {
    if (id == IDOK) {  // Enter: presses the focused button, and no other
        const auto focused = ControlOf(GetFocus());
        if (focused && form::Row(*focused).kind == Kind::PushButton) model_.Clicked(*focused);
        return;
    }
    if (!from) {  // a menu command
        if (const auto item = MenuItemOfCommand(id)) model_.MenuChosen(*item);
        return;
    }
    const auto control = ControlOf(from);
    if (!control || from != NativeControl(*control)) return;
    switch (form::Row(*control).kind) {
        case Kind::TextBox:
            if (code == EN_CHANGE && !showingState_) model_.TextEdited(*control, WindowText(from));
            break;
        case Kind::ComboBox:
            if (code == CBN_EDITCHANGE && !showingState_)
                model_.TextEdited(*control, WindowText(from));
            else if (code == CBN_SELENDOK)
                model_.ListPicked(*control,
                                  static_cast<int>(SendMessageW(from, CB_GETCURSEL, 0, 0)));
            else if (code == CBN_KILLFOCUS)  // no highlighted field where the focus is not
                SendMessageW(from, CB_SETEDITSEL, 0, MAKELPARAM(-1, 0));
            break;
        case Kind::CheckBox:
        case Kind::OptionButton:
        case Kind::PushButton:
            if (code == BN_CLICKED) model_.Clicked(*control);
            break;
        case Kind::Frame:
        case Kind::Label:
            break;
    }
}

HBRUSH Form1Window::Colour(HDC dc, HWND native) const {
    const auto control = ControlOf(native);
    if (!control || native != NativeControl(*control)) return nullptr;
    const form::ControlRow& row = form::Row(*control);
    const form::ControlState& state = model_.State(*control);
    int background = COLOR_BTNFACE;
    switch (row.kind) {
        case Kind::TextBox:
            if (!state.enabled) return nullptr;  // greyed by the system
            background = COLOR_WINDOW;
            break;
        case Kind::Label:
            // A value cell reads as a box: the background of a box.
            if (row.valueCell) background = COLOR_WINDOW;
            break;
        case Kind::Frame:
        case Kind::CheckBox:
        case Kind::OptionButton:
            break;
        case Kind::ComboBox:
        case Kind::PushButton:
            return nullptr;
    }
    SetTextColor(dc, InkColour(state.ink));
    SetBkColor(dc, GetSysColor(background));
    return GetSysColorBrush(background);
}

LRESULT CALLBACK Form1Window::Procedure(HWND window, UINT message, WPARAM w, LPARAM l) {
    if (message == WM_NCCREATE) {
        auto* self =
            static_cast<Form1Window*>(reinterpret_cast<const CREATESTRUCTW*>(l)->lpCreateParams);
        self->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<Form1Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    return self ? self->Handle(message, w, l) : DefWindowProcW(window, message, w, l);
}

LRESULT Form1Window::Handle(UINT message, WPARAM w, LPARAM l) {
    switch (message) {
        case WM_COMMAND:
            Command(LOWORD(w), HIWORD(w), reinterpret_cast<HWND>(l));
            return 0;
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORBTN:
            if (const HBRUSH brush = Colour(reinterpret_cast<HDC>(w), reinterpret_cast<HWND>(l)))
                return reinterpret_cast<LRESULT>(brush);
            break;
        case WM_ACTIVATE:
            // The focus leaves with the window and comes back to the same control.
            if (LOWORD(w) == WA_INACTIVE) {
                if (const HWND focus = GetFocus(); focus && IsChild(window_, focus)) focus_ = focus;
                return 0;
            }
            [[fallthrough]];
        case WM_SETFOCUS: {
            const bool usable =
                focus_ && IsWindow(focus_) && IsWindowVisible(focus_) && IsWindowEnabled(focus_);
            if (const HWND next = usable ? focus_ : GetNextDlgTabItem(window_, nullptr, FALSE))
                SetFocus(next);
            return 0;
        }
        case WM_DPICHANGED: {
            const auto* suggested = reinterpret_cast<const RECT*>(l);
            SetWindowPos(window_, nullptr, suggested->left, suggested->top,
                         suggested->right - suggested->left, suggested->bottom - suggested->top,
                         SWP_NOZORDER | SWP_NOACTIVATE);
            LayOutControls(HIWORD(w));
            return 0;
        }
        case WM_CLOSE:
            // Unsaved changes are saved or given up first, unless the engineer cancels; then the
            // message loop ends, and the window goes with its owner.
            if (model_.MayClose()) PostQuitMessage(0);
            return 0;
        default:
            break;
    }
    return DefWindowProcW(window_, message, w, l);
}

int RunMessageLoop(HWND window) {
    MSG message{};
    BOOL got;
    while ((got = GetMessageW(&message, nullptr, 0, 0)) > 0) {
        if (IsDialogMessageW(window, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return got == 0 ? static_cast<int>(message.wParam) : 1;
}

}  // namespace deckplate::win
