#include "algorithms/step_presentation.h"

#include <cstdio>
#include <cstring>

#include "algorithms/mst_steps.h"
#include "graph/graph_state.h"
#include "ui/control_panel.h"
#include "ui/main_window.h"

HHOOK msgBoxHook;

void beginStepRun(const char* title)
{
    setStatusText(1, title);
    stepAnswer = IDOK;
}

void presentStep(HWND mainWindow, const char* caption, int step, int u, int v, int cost,
                 int verdict)
{
    // The mark is in place before the box opens, so the box's own loop paints it.
    graph.edgeMark[u][v] = verdict;
    graph.edgeMark[v][u] = verdict;
    invalidateCanvas(mainWindow);
    char text[100];
    const char* format = verdict == markChosen ? "La pasul %d s-a ales muchia [%d,%d] de cost %d"
                                               : "La pasul %d NU s-a ales muchia [%d,%d] de cost %d";
    std::snprintf(text, sizeof text, format, step, u, v, cost);
    if (stepAnswer == IDOK)
        showStepBox(mainWindow, text, caption);
}

void endStepRun(HWND mainWindow, const char* caption, int total)
{
    char text[100];
    std::snprintf(text, sizeof text, "Costul total al A.P.M. este %d", total);
    showStepBox(mainWindow, text, caption);
    invalidateCanvas(mainWindow);
    std::memset(graph.edgeMark, 0, sizeof graph.edgeMark);
    setStatusText(1, " ");
}

void showStepBox(HWND owner, const char* text, const char* caption)
{
    // The handle is stored before the box exists: the hook procedure needs it.
    msgBoxHook = SetWindowsHookExA(WH_CBT, msgBoxHookProc, nullptr, GetCurrentThreadId());
    stepAnswer = MessageBoxA(owner, text, caption, MB_OKCANCEL);
    UnhookWindowsHookEx(msgBoxHook); // normally already removed by the hook procedure
}

LRESULT CALLBACK msgBoxHookProc(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_ACTIVATE) {
        // Acts on the box's first activation only.
        UnhookWindowsHookEx(msgBoxHook);
        placeMessageBox((HWND)wParam);
    }
    return CallNextHookEx(msgBoxHook, code, wParam, lParam);
}

void placeMessageBox(HWND box)
{
    HWND owner = GetWindow(box, GW_OWNER);
    RECT r;
    GetWindowRect(owner, &r);
    SetWindowPos(box, owner, r.left + 780, r.top + 240, 0, 0, SWP_NOSIZE | SWP_FRAMECHANGED);
}
