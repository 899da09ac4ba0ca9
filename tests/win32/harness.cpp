#include "win32/harness.h"

#include <commctrl.h>

#include <cstring>
#include <deque>
#include <set>

#include "canvas/paint_canvas.h"
#include "graph/graph_state.h"
#include "ui/control_panel.h"
#include "ui/main_window.h"
#include "ui/message_boxes.h"

namespace boxes {

namespace {
HHOOK hook;
std::deque<int> script;
std::vector<SeenBox> recorded;
std::set<HWND> openBoxes;
int unexpectedCount;
int beepsAtLastBox;

bool isMessageBox(HWND window)
{
    char name[32] = {};
    GetClassNameA(window, name, sizeof name);
    return std::strcmp(name, "#32770") == 0;
}

void record(HWND box)
{
    SeenBox seen = {};
    seen.caption = windowText(box);
    seen.text = windowText(GetDlgItem(box, 0xFFFF));
    seen.hasOk = GetDlgItem(box, IDOK) != nullptr;
    seen.hasCancel = GetDlgItem(box, IDCANCEL) != nullptr;
    GetWindowRect(box, &seen.rect);
    seen.beep = beepCount != beepsAtLastBox;
    beepsAtLastBox = beepCount;
    recorded.push_back(seen);
}

LRESULT CALLBACK recorderProc(int code, WPARAM wParam, LPARAM lParam)
{
    HWND window = (HWND)wParam;
    if (code == HCBT_DESTROYWND)
        openBoxes.erase(window);
    if (code == HCBT_ACTIVATE && isMessageBox(window) && openBoxes.insert(window).second) {
        record(window);
        if (whileOpen)
            whileOpen(window);
        int reply = IDOK;
        if (responder) {
            reply = responder(recorded.back());
        } else if (script.empty()) {
            unexpectedCount++;
            reply = GetDlgItem(window, IDCANCEL) ? IDCANCEL : IDOK;
        } else {
            reply = script.front();
            script.pop_front();
        }
        PostMessageA(window, WM_COMMAND, reply, 0);
    }
    return CallNextHookEx(hook, code, wParam, lParam);
}
} // namespace

std::function<void(HWND box)> whileOpen;
std::function<int(const SeenBox& box)> responder;

void clearSeen()
{
    recorded.clear();
}

void install()
{
    reset();
    hook = SetWindowsHookExA(WH_CBT, recorderProc, nullptr, GetCurrentThreadId());
    ASSERT_NE(hook, nullptr);
}

void uninstall()
{
    UnhookWindowsHookEx(hook);
    hook = nullptr;
}

void answer(std::initializer_list<int> answers)
{
    script.insert(script.end(), answers);
}

const std::vector<SeenBox>& seen()
{
    return recorded;
}

int unexpected()
{
    return unexpectedCount;
}

void reset()
{
    script.clear();
    recorded.clear();
    openBoxes.clear();
    unexpectedCount = 0;
    beepsAtLastBox = beepCount;
    whileOpen = nullptr;
    responder = nullptr;
}

} // namespace boxes

void expectBoxes(const std::vector<ExpectedBox>& expected)
{
    const std::vector<SeenBox>& seen = boxes::seen();
    EXPECT_EQ(seen.size(), expected.size()) << "number of boxes";
    for (size_t i = 0; i < seen.size() && i < expected.size(); i++) {
        SCOPED_TRACE("box " + std::to_string(i + 1) + ": " + seen[i].text);
        EXPECT_EQ(seen[i].text, expected[i].text);
        EXPECT_EQ(seen[i].caption, expected[i].caption);
        EXPECT_EQ(seen[i].beep, expected[i].beep);
    }
}

std::string windowText(HWND window)
{
    char text[512] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

std::string className(HWND window)
{
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

RECT rectInParent(HWND window)
{
    RECT r;
    GetWindowRect(window, &r);
    MapWindowPoints(HWND_DESKTOP, GetParent(window), (POINT*)&r, 2);
    return r;
}

std::string statusText(int part)
{
    char text[256] = {};
    int length = LOWORD(SendMessageA(statusBar, SB_GETTEXTLENGTHA, part, 0));
    if (length >= (int)sizeof text)
        return "(too long)";
    SendMessageA(statusBar, SB_GETTEXTA, part, (LPARAM)text);
    return text;
}

void chooseAction(HWND mainWindow, int radioId)
{
    // The centre of the radio button's visible part, in main window client coordinates.
    int x = 806 + 4 + 20;
    int y = 15 + 20 * (radioId - 100) + 10;
    SendMessageA(mainWindow, WM_PARENTNOTIFY, WM_LBUTTONDOWN, MAKELPARAM(x, y));
    CheckRadioButton(actionGroup, idAddVertex, idCancelAction, radioId);
}

void press(HWND mainWindow, int x, int y)
{
    SendMessageA(mainWindow, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
}

void command(HWND mainWindow, int id)
{
    SendMessageA(mainWindow, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
}

void realClick(HWND mainWindow, int x, int y)
{
    SetForegroundWindow(mainWindow);
    POINT screen = {x, y};
    ClientToScreen(mainWindow, &screen);
    SetCursorPos(screen.x, screen.y);
    INPUT clicks[2] = {};
    clicks[0].type = clicks[1].type = INPUT_MOUSE;
    clicks[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    clicks[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    EXPECT_EQ(SendInput(2, clicks, sizeof(INPUT)), 2u);
}

void setText(HWND control, const char* text)
{
    SetWindowTextA(control, text);
}

void pumpMessages()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT)
            continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

PaintCapture::PaintCapture()
{
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width_;
    info.bmiHeader.biHeight = -height_; // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    ReleaseDC(nullptr, screen);
    HGDIOBJ keptBitmap = SelectObject(dc, bitmap);
    std::memset(bits, 0xFF, (size_t)width_ * height_ * 4);

    HGDIOBJ defaultPen = GetCurrentObject(dc, OBJ_PEN);
    HGDIOBJ defaultBrush = GetCurrentObject(dc, OBJ_BRUSH);
    paintCanvas(dc);
    defaultsRestored = GetCurrentObject(dc, OBJ_PEN) == defaultPen &&
                       GetCurrentObject(dc, OBJ_BRUSH) == defaultBrush &&
                       GetTextColor(dc) == 0x000000 && GetBkColor(dc) == 0xFFFFFF;
    GdiFlush();
    const uint32_t* p = (const uint32_t*)bits;
    pixels_.assign(p, p + (size_t)width_ * height_);
    SelectObject(dc, keptBitmap);
    DeleteObject(bitmap);
    DeleteDC(dc);
}

COLORREF PaintCapture::at(int x, int y) const
{
    uint32_t bgr = pixels_[(size_t)y * width_ + x]; // 0x00RRGGBB in the DIB
    return RGB((bgr >> 16) & 0xFF, (bgr >> 8) & 0xFF, bgr & 0xFF);
}

void MainWindowTest::SetUp()
{
    folder = new TempFolder;
    if (!initialFile().empty())
        writeBytes("RuriDU.in", initialFile());
    clearGraphState();
    beepCount = 0;
    boxes::install();
    window = createMainWindow(GetModuleHandleA(nullptr), SW_SHOWNORMAL);
    ASSERT_NE(window, nullptr);
    pumpMessages();
}

void MainWindowTest::TearDown()
{
    EXPECT_EQ(boxes::unexpected(), 0) << "boxes that no test expected";
    DestroyWindow(window);
    pumpMessages(); // also takes the WM_QUIT that WM_DESTROY posted
    boxes::uninstall();
    delete folder;
}
