#include <windows.h>

#include "ui/main_window.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand)
{
    if (!registerMainClass(instance))
        return 0;
    // Without a window the message loop would never end.
    if (createMainWindow(instance, showCommand) == nullptr)
        return 0;
    return runMessageLoop();
}
