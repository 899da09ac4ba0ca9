#include "ui/main_window.h"

#include <commctrl.h>

#include "canvas/geometry.h"
#include "canvas/paint_canvas.h"
#include "graph/graph_files.h"
#include "ui/command_buttons.h"
#include "ui/control_panel.h"
#include "ui/editing_actions.h"

HINSTANCE appInstance;
RECT canvasRect;

const char mainClassName[] = "VexlaneWindowsApp";
const char mainWindowTitle[] = "Grafuri neorientate ponderate";

namespace {

void paintWindow(HWND hwnd)
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(hwnd, &paint);
    paintCanvas(dc);
    EndPaint(hwnd, &paint);
}

void createDrawingObjects()
{
    // Created once per process; a test that opens the window again reuses them.
    if (redPen == nullptr)
        redPen = CreatePen(PS_SOLID, 2, RGB(255, 0, 0));
    if (bluePen == nullptr)
        bluePen = CreatePen(PS_SOLID, 2, RGB(0, 0, 255));
    if (redBrush == nullptr)
        redBrush = CreateSolidBrush(RGB(255, 0, 0));
}

} // namespace

bool registerMainClass(HINSTANCE instance)
{
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = MainWndProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
    windowClass.hIconSm = LoadIconA(nullptr, IDI_APPLICATION);
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = (HBRUSH)1; // COLOR_SCROLLBAR + 1
    windowClass.lpszClassName = mainClassName;
    return RegisterClassExA(&windowClass) != 0;
}

HWND createMainWindow(HINSTANCE instance, int showCommand)
{
    appInstance = instance;
    // The status bar's class must exist before WM_CREATE builds the panel.
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);

    HWND hwnd = CreateWindowExA(0, mainClassName, mainWindowTitle, WS_SYSMENU | WS_MINIMIZEBOX,
                                CW_USEDEFAULT, CW_USEDEFAULT, 1000, 660, HWND_DESKTOP, nullptr,
                                instance, nullptr);
    if (hwnd == nullptr)
        return nullptr;
    // No UpdateWindow: the first paint comes from the message loop, once the graph and the
    // drawing objects below exist.
    ShowWindow(hwnd, showCommand);
    loadInitialGraph();
    SetRect(&canvasRect, 0, 0, canvasRight, canvasBottom);
    createDrawingObjects();
    return hwnd;
}

int runMessageLoop()
{
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return (int)msg.wParam;
}

LRESULT CALLBACK MainWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        createControlPanel(hwnd);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    case WM_PAINT:
        paintWindow(hwnd);
        return 0;
    case WM_COMMAND:
        onCommand(hwnd, LOWORD(wParam));
        return 0;
    case WM_LBUTTONDOWN:
        onCanvasPress(hwnd, LOWORD(lParam), HIWORD(lParam));
        return 0;
    case WM_PARENTNOTIFY:
        onParentNotify(hwnd, LOWORD(lParam), HIWORD(lParam));
        return 0;
    default:
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

void invalidateCanvas(HWND mainWindow)
{
    InvalidateRect(mainWindow, &canvasRect, TRUE);
}
