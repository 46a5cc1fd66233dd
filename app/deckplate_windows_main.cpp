// deckplate.exe: the window of the Windows edition.
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <exception>
#include <string>

#include "form/form1.h"
#include "os/wide_text.h"
#include "win/form1_window.h"
#include "win/windows_platform.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
    deckplate::win::WindowsPlatform platform;
    deckplate::form::Form1 model(platform);
    try {
        deckplate::win::Form1Window window(model, instance);
        platform.SetWindow(window.Handle());
        window.Form_Load();
        ShowWindow(window.Handle(), show);
        // deckplate.exe FILE.deckplate, as Explorer starts it for a file double-clicked.
        int count = 0;
        if (wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count)) {
            if (count > 1) model.OpenBayFile(deckplate::os::Utf8FromWide(arguments[1]));
            LocalFree(arguments);
        }
        return deckplate::win::RunMessageLoop(window.Handle());
    } catch (const std::exception& error) {
        platform.ReportError(std::string("程序无法启动：") + error.what());
        return 1;
    }
}
