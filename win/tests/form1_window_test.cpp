// The native window: its controls follow the table and the model at 96 and 144 DPI, what the
// user does reaches the model (and the window's own writes do not), results and colours reach
// the controls, and every caption fits its box.
#include "win/form1_window.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "form/tests/fake_platform.h"
#include "win/dpi_layout.h"
#include "win/menu_bar.h"
#include "win/native_state.h"
#include "win/tests/window_class.h"

namespace deckplate::win {
namespace {

using enum form::Control;
using form::Kind;

class Form1WindowTest : public ::testing::Test {
  protected:
    // Not shown: Wine without a window manager takes two seconds to take a shown window down.
    // An earlier run chose the legacy basis, whose window the tests hold unless they choose the
    // current one.
    Form1WindowTest() {
        platform.settings["basis"] = "legacy";
        window.Form_Load();
    }

    HWND Native(form::Control control) const { return window.NativeControl(control); }
    /// The field a user types into: the box itself, or a list's edit field.
    HWND Field(form::Control control) const {
        COMBOBOXINFO combo{};
        combo.cbSize = sizeof combo;
        return GetComboBoxInfo(Native(control), &combo) ? combo.hwndItem : Native(control);
    }
    /// Replaces what a box shows, one typed character at a time.
    void Type(form::Control box, std::wstring_view text) {
        const HWND field = Field(box);
        SetFocus(field);
        SendMessageW(field, EM_SETSEL, 0, -1);
        SendMessageW(field, WM_CHAR, VK_BACK, 0);
        for (const wchar_t c : text) SendMessageW(field, WM_CHAR, c, 0);
    }
    /// Picks list item `index` with the arrow key that lands on it.
    void Pick(form::Control list, int index) {
        SendMessageW(Native(list), CB_SETCURSEL, static_cast<WPARAM>(index - 1), 0);
        SendMessageW(Field(list), WM_KEYDOWN, VK_DOWN, 0);
    }
    void Click(form::Control button) { SendMessageW(Native(button), BM_CLICK, 0, 0); }
    /// Enter, as IsDialogMessageW passes it on with the focus on `focus`.
    void Enter(form::Control focus) {
        SetFocus(Field(focus));
        SendMessageW(window.Handle(), WM_COMMAND, IDOK, 0);
    }
    /// The text and background colours the window paints a control in.
    std::pair<COLORREF, COLORREF> Colours(form::Control control) {
        const HDC dc = CreateCompatibleDC(nullptr);
        const UINT message =
            form::Row(control).kind == Kind::TextBox ? WM_CTLCOLOREDIT : WM_CTLCOLORSTATIC;
        SendMessageW(window.Handle(), message, reinterpret_cast<WPARAM>(dc),
                     reinterpret_cast<LPARAM>(Native(control)));
        const std::pair colours{GetTextColor(dc), GetBkColor(dc)};
        DeleteDC(dc);
        return colours;
    }
    bool Shown(form::Control control) const {
        return (GetWindowLongPtrW(Native(control), GWL_STYLE) & WS_VISIBLE) != 0;
    }

    form::FakePlatform platform;
    form::Form1 model{platform};
    Form1Window window{model, GetModuleHandleW(nullptr)};
};

RECT PlaceInWindow(HWND native) {
    RECT place;
    GetWindowRect(native, &place);
    MapWindowPoints(nullptr, GetParent(native), reinterpret_cast<POINT*>(&place), 2);
    return place;
}

TEST_F(Form1WindowTest, ControlsFollowTheTableAndTheModel) {
    const struct {
        Kind kind;
        const wchar_t* windowClass;
        LONG_PTR type, typeMask;
    } kinds[] = {
        {Kind::Frame, WC_BUTTONW, BS_GROUPBOX, BS_TYPEMASK},
        {Kind::Label, WC_STATICW, SS_LEFT, SS_TYPEMASK},
        {Kind::TextBox, WC_EDITW, 0, 0},
        {Kind::ComboBox, WC_COMBOBOXW, CBS_DROPDOWN, 3},
        {Kind::CheckBox, WC_BUTTONW, BS_CHECKBOX, BS_TYPEMASK},
        {Kind::OptionButton, WC_BUTTONW, BS_AUTORADIOBUTTON, BS_TYPEMASK},
        {Kind::PushButton, WC_BUTTONW, BS_PUSHBUTTON, BS_TYPEMASK},  // never BS_DEFPUSHBUTTON
    };
    for (const form::ControlRow& row : form::ControlTable()) {
        SCOPED_TRACE(row.name.data());
        const HWND native = Native(row.id);
        ASSERT_EQ(GetParent(native), window.Handle());
        const int id = GetDlgCtrlID(native);
        EXPECT_TRUE(id != IDOK && id != IDCANCEL) << id;
        const auto& kind = kinds[static_cast<std::size_t>(row.kind)];
        ASSERT_EQ(kind.kind, row.kind);
        EXPECT_EQ(ClassOf(native), kind.windowClass);
        EXPECT_EQ(GetWindowLongPtrW(native, GWL_STYLE) & kind.typeMask, kind.type);
        const form::ControlState& state = model.State(row.id);
        if (row.kind != Kind::CheckBox && row.kind != Kind::OptionButton) {
            EXPECT_EQ(WindowText(native), state.text);
        }
        EXPECT_EQ(Shown(row.id), state.visible);
        EXPECT_EQ(IsWindowEnabled(native) != FALSE, state.enabled);
    }
    EXPECT_EQ(SendMessageW(Native(AngleSize), CB_GETCOUNT, 0, 0), 51);
    EXPECT_EQ(SendMessageW(Native(AngleSize), CB_GETCURSEL, 0, 0), CB_ERR);
    EXPECT_EQ(SendMessageW(Native(AngleChoice), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(SendMessageW(Native(SimplySupported), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(WindowText(window.Handle()), "未命名 — 平台钢铺板计算");
    RECT client;  // the form below the menu bar, at the test prefix's 96 DPI
    GetClientRect(window.Handle(), &client);
    EXPECT_EQ(client.right, 543);
    EXPECT_EQ(client.bottom, 465);

    // 设置 → 集中荷载验算: the group right of the form, beside 平台数据; the buttons where they
    // were; the window as wide as the form has grown. Under the current basis the shear and weld
    // groups stand above it, and the group takes its shear and weld rows.
    const int pointLoad = MenuCommand(form::MenuItem::PointLoad);
    SendMessageW(window.Handle(), WM_COMMAND, pointLoad, 0);
    EXPECT_TRUE(GetMenuState(window.MenuBar(), pointLoad, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_TRUE(Shown(PointLoadFrame));
    EXPECT_TRUE(Shown(PointLoadForce));
    const RECT button = PlaceInWindow(Native(VerifyButton));
    EXPECT_EQ(button.top, 424);
    EXPECT_EQ(button.bottom, 465);
    const RECT group = PlaceInWindow(Native(PointLoadFrame));
    EXPECT_EQ(group.left, 545);
    EXPECT_EQ(group.top, 8);
    EXPECT_EQ(group.bottom, 163);
    GetClientRect(window.Handle(), &client);
    EXPECT_EQ(client.right, 1080);
    EXPECT_EQ(client.bottom, 465);
    // Under the current basis the shear's group (1800 twips) and the weld's (1560) stand above
    // it, each with the form's gap of 105: (120 + 1800 + 105 + 1560 + 105) / 15 = 246 pixels.
    SendMessageW(window.Handle(), WM_COMMAND, MenuCommand(form::MenuItem::BasisCurrent), 0);
    EXPECT_EQ(PlaceInWindow(Native(PointLoadFrame)).top, 246);
    EXPECT_EQ(PlaceInWindow(Native(PointLoadShear)).top, 246 + 81);
    EXPECT_TRUE(Shown(PointLoadShear));
    EXPECT_TRUE(Shown(PointLoadWeldStress));
    EXPECT_TRUE(Shown(WeldFrame));
}

// With every group on, the window fits a 1366 × 768 laptop at 96 DPI and a 1920 × 1080 screen at
// 144 DPI (150 %), leaving 80 pixels of height for a title bar and a taskbar: its frame as the
// window sizes itself at each DPI, from the client area the layout asks for.
TEST_F(Form1WindowTest, WindowWithEveryGroupFitsSmallScreens) {
    SendMessageW(window.Handle(), WM_COMMAND, MenuCommand(form::MenuItem::BasisCurrent), 0);
    SendMessageW(window.Handle(), WM_COMMAND, MenuCommand(form::MenuItem::PointLoad), 0);
    ASSERT_TRUE(Shown(PointLoadShear));
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(window.Handle(), GWL_STYLE));
    const struct {
        unsigned dpi;
        SIZE screen;
    } cases[] = {{96, {1366, 768}}, {144, {1920, 1080}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.dpi);
        const SIZE client = ClientSize(c.dpi, model.Layout());
        RECT frame{0, 0, client.cx, client.cy};
        ASSERT_TRUE(AdjustWindowRectExForDpi(&frame, style, TRUE, 0, c.dpi));
        const int titleBar = GetSystemMetricsForDpi(SM_CYCAPTION, c.dpi);
        EXPECT_LE(frame.right - frame.left, c.screen.cx);
        EXPECT_LE(frame.bottom - frame.top - titleBar, c.screen.cy - 80)
            << "a frame " << frame.right - frame.left << " x " << frame.bottom - frame.top;
    }
    // At the test prefix's 96 DPI the window has that frame.
    const SIZE client = ClientSize(96, model.Layout());
    RECT frame{0, 0, client.cx, client.cy};
    AdjustWindowRectExForDpi(&frame, style, TRUE, 0, 96);
    RECT shown;
    GetWindowRect(window.Handle(), &shown);
    EXPECT_EQ(shown.right - shown.left, frame.right - frame.left);
    EXPECT_EQ(shown.bottom - shown.top, frame.bottom - frame.top);
}

// Tab and Shift+Tab as IsDialogMessageW moves them: the focus order, past what is hidden or
// disabled, entering the option pair at its chosen button; the arrow keys move within the pair.
TEST_F(Form1WindowTest, TabFollowsTheFocusOrder) {
    std::vector<HWND> expected;
    for (const form::Control control : form::FocusOrder()) {
        const form::ControlState& state = model.State(control);
        if (state.visible && state.enabled &&
            (form::Row(control).kind != Kind::OptionButton || state.checked))
            expected.push_back(Native(control));
    }
    for (const bool backwards : {false, true}) {
        std::vector<HWND> tabbed{expected.front()};
        for (HWND at = expected.front(); tabbed.size() <= expected.size();) {
            at = GetNextDlgTabItem(window.Handle(), at, backwards);
            if (at == expected.front()) break;
            tabbed.push_back(at);
        }
        if (backwards) std::reverse(tabbed.begin() + 1, tabbed.end());
        EXPECT_EQ(tabbed, expected) << (backwards ? "Shift+Tab" : "Tab");
    }
    EXPECT_EQ(GetNextDlgGroupItem(window.Handle(), Native(AngleChoice), FALSE),
              Native(FlatBarChoice));
}

// Positions summed through the frames at 96 DPI, each in whole pixels, then scaled when the
// window moves to a screen of another DPI; the fonts follow.
TEST_F(Form1WindowTest, ControlsStandWhereTheTableSaysAtEveryDpi) {
    const struct {
        const char* name;
        form::Control control;
        unsigned dpi;
        RECT place;
    } cases[] = {
        {"button on the form", ReportButton, 96, {184, 424, 353, 465}},
        {"box in a frame", DeadLoad, 96, {120, 24, 169, 42}},
        {"list field in a frame", Thickness, 96, {256, 23, 313, 43}},
        {"check box in a frame in a frame", SimplySupported, 96, {32, 88, 49, 105}},
        {"value cell in a frame in a frame", SelfWeight, 96, {417, 384, 474, 401}},
        {"button at 150 %", ReportButton, 144, {276, 636, 530, 698}},
        {"check box at 150 %", SimplySupported, 144, {48, 132, 74, 158}},
        {"value cell at 150 %", SelfWeight, 144, {626, 576, 712, 602}},
        {"box in a group in the second column", PointLoadForce, 96, {649, 23, 706, 41}},
        {"the same at 150 %", PointLoadForce, 144, {974, 35, 1060, 62}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        RECT suggested;  // as Windows suggests it: the window's rectangle at the new DPI
        GetWindowRect(window.Handle(), &suggested);
        SendMessageW(window.Handle(), WM_DPICHANGED, MAKEWPARAM(c.dpi, c.dpi),
                     reinterpret_cast<LPARAM>(&suggested));
        LOGFONTW font{};
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(Native(c.control), WM_GETFONT, 0, 0)),
                   sizeof font, &font);
        EXPECT_EQ(font.lfHeight, -MulDiv(12, static_cast<int>(c.dpi), 96));  // 9 pt
        const RECT place = PlaceInWindow(Native(c.control));
        EXPECT_EQ(place.left, c.place.left);
        EXPECT_EQ(place.top, c.place.top);
        EXPECT_EQ(place.right, c.place.right);
        EXPECT_EQ(place.bottom, c.place.bottom);
    }
}

// Every caption's ink lies inside its box, drawn as the control draws it (a label wraps at word
// boundaries) in the window's font at that DPI. The boxes are measured for SimSun; the test
// prefix has AR PL UMing in its place, whose lines are a pixel taller.
TEST_F(Form1WindowTest, EveryCaptionFitsItsBox) {
    for (const unsigned dpi : {96u, 144u}) {
        const FormFonts fonts(dpi);
        const HDC dc = CreateCompatibleDC(nullptr);
        for (const form::ControlRow& row : form::ControlTable()) {
            if (row.kind != Kind::Label && row.kind != Kind::PushButton && row.kind != Kind::Frame)
                continue;
            SCOPED_TRACE(std::string(row.name) + " at " + std::to_string(dpi) + " dpi");
            const RECT place = ControlRect(row.id, dpi);
            const SIZE box{place.right - place.left, place.bottom - place.top};
            const std::wstring caption = [&] {
                std::wstring text(256, L'\0');
                text.resize(
                    static_cast<std::size_t>(GetWindowTextW(Native(row.id), text.data(), 256)));
                return text;
            }();
            SelectObject(dc, fonts.Font(row.face));
            if (row.kind != Kind::Label) {  // one line
                SIZE extent;
                GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()),
                                      &extent);
                EXPECT_LT(extent.cx, box.cx);
                continue;
            }
            // Drawn black on white in room enough to overflow into; no ink beyond the box.
            const SIZE room{box.cx * 2, box.cy * 3};
            BITMAPINFO info{};
            info.bmiHeader.biSize = sizeof info.bmiHeader;
            info.bmiHeader.biWidth = room.cx;
            info.bmiHeader.biHeight = -room.cy;  // top-down
            info.bmiHeader.biPlanes = 1;
            info.bmiHeader.biBitCount = 32;
            void* bits = nullptr;
            const HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
            const HGDIOBJ previous = SelectObject(dc, bitmap);
            RECT area{0, 0, room.cx, room.cy};
            FillRect(dc, &area, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
            RECT text{0, 0, box.cx, room.cy};
            DrawTextW(dc, caption.c_str(), -1, &text,
                      DT_LEFT | DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX);
            GdiFlush();
            const auto* pixels = static_cast<const std::uint32_t*>(bits);
            int inkRight = 0, inkBottom = 0;
            for (int y = 0; y < room.cy; ++y)
                for (int x = 0; x < room.cx; ++x)
                    if ((pixels[y * room.cx + x] & 0xffffff) != 0xffffff) {
                        inkRight = std::max(inkRight, x + 1);
                        inkBottom = std::max(inkBottom, y + 1);
                    }
            EXPECT_LE(inkRight, box.cx) << "ink " << inkRight << "x" << inkBottom;
            EXPECT_LE(inkBottom, box.cy) << "ink " << inkRight << "x" << inkBottom;
            SelectObject(dc, previous);
            DeleteObject(bitmap);
        }
        DeleteDC(dc);
    }
}

TEST_F(Form1WindowTest, UserActionsReachTheModel) {
    Type(DeadLoad, L"1.5");
    EXPECT_EQ(model.State(DeadLoad).text, "1.5");

    // Typing a list text and pressing Enter is typing; the arrow key is a pick.
    Type(Thickness, L"6.0");
    Enter(Thickness);
    EXPECT_EQ(model.State(Thickness).text, "6.0");
    EXPECT_FALSE(IsWindowEnabled(Native(VerifyButton)));
    Pick(Thickness, 3);
    EXPECT_EQ(model.State(Thickness).picked, 3);
    EXPECT_EQ(WindowText(Native(Thickness)), "4.5");
    EXPECT_TRUE(IsWindowEnabled(Native(VerifyButton)));
    // Typed after the pick, passing through the picked item's text: nothing comes back over it.
    Type(Thickness, L"4.55");
    EXPECT_EQ(model.State(Thickness).text, "4.55");
    EXPECT_EQ(WindowText(Native(Thickness)), "4.55");

    Click(FlatBarChoice);
    EXPECT_TRUE(model.State(FlatBarChoice).checked);
    EXPECT_EQ(SendMessageW(Native(AngleChoice), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_TRUE(Shown(FlatBarHeight));
    EXPECT_FALSE(Shown(AngleSize));

    Click(Continuous);
    EXPECT_EQ(SendMessageW(Native(Continuous), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(platform.messages, std::vector<std::string>{"请选择其中之一"});

    SendMessageW(window.Handle(), WM_COMMAND, MenuCommand(form::MenuItem::About), 0);
    ASSERT_EQ(platform.messages.size(), 2u);
    EXPECT_EQ(platform.messages[1].rfind("平台钢铺板计算 ", 0), 0u) << platform.messages[1];
}

TEST_F(Form1WindowTest, EnterPressesOnlyTheFocusedButton) {
    Enter(DeadLoad);
    EXPECT_EQ(platform.endProgramCalls, 0);
    Enter(ExitButton);
    EXPECT_EQ(platform.endProgramCalls, 1);
}

TEST_F(Form1WindowTest, ResultsAndColoursReachTheControls) {
    const COLORREF text = GetSysColor(COLOR_WINDOWTEXT);
    const COLORREF box = GetSysColor(COLOR_WINDOW);
    Type(DeadLoad, L"1");
    Type(LiveLoad, L"2");
    Pick(Thickness, 6);
    Type(Span, L"1500");
    Type(Spacing, L"600");
    Pick(AngleSize, 0);  // L25x16x3: the stiffener fails both checks
    Click(VerifyButton);
    EXPECT_EQ(WindowText(Native(StiffenerStress)), " 337.63");
    EXPECT_EQ(Colours(StiffenerStress), std::pair(RGB(0, 0, 255), box));
    EXPECT_EQ(Colours(PlateStress), std::pair(text, box));
    EXPECT_EQ(WindowText(Native(StiffenerStrengthVerdict)),
              "★加劲肋强度超出限值<215N/mm2>,须重新计算");
    EXPECT_EQ(Colours(StiffenerStrengthVerdict).first, RGB(0, 0, 255));
    EXPECT_TRUE(Shown(StiffenerStrengthVerdict));
    EXPECT_EQ(Colours(SimplySupportedCaption).first, RGB(0, 0, 128));
    EXPECT_EQ(Colours(SectionCentroid), std::pair(text, box));  // a value cell
    // The results the window wrote itself are no typing: the report may be printed.
    EXPECT_TRUE(IsWindowEnabled(Native(ReportButton)));

    Pick(AngleSize, 30);  // L90x56x6 carries it; the pick itself disables the report
    EXPECT_FALSE(IsWindowEnabled(Native(ReportButton)));
    Click(VerifyButton);
    EXPECT_EQ(Colours(StiffenerStress), std::pair(text, box));
    EXPECT_TRUE(platform.errors.empty());
}

}  // namespace
}  // namespace deckplate::win
