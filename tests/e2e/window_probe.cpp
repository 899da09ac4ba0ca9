// Helper of the end-to-end test, run under Wine beside grafuri.exe:
//   window_probe wait   waits until the main window is shown and painted (exit 0), or 30 s (1)
//   window_probe close  sends the main window WM_CLOSE (exit 0), or finds none (1)
#include <windows.h>

#include <cstdio>
#include <cstring>

static HWND findMainWindow()
{
    return FindWindowA("VexlaneWindowsApp", "Grafuri neorientate ponderate");
}

static int waitForPaintedWindow()
{
    for (int tries = 0; tries < 300; tries++) {
        HWND window = findMainWindow();
        if (window != nullptr && IsWindowVisible(window) && !GetUpdateRect(window, nullptr, FALSE))
            return 0;
        Sleep(100);
    }
    std::fprintf(stderr, "window_probe: no painted main window after 30 s\n");
    return 1;
}

int main(int argc, char** argv)
{
    if (argc == 2 && std::strcmp(argv[1], "wait") == 0)
        return waitForPaintedWindow();
    if (argc == 2 && std::strcmp(argv[1], "close") == 0) {
        HWND window = findMainWindow();
        if (window == nullptr)
            return 1;
        PostMessageA(window, WM_CLOSE, 0, 0);
        return 0;
    }
    std::fprintf(stderr, "usage: window_probe wait|close\n");
    return 2;
}
