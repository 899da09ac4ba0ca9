// Timings of the real window under Wine, with QueryPerformanceCounter:
//   win32_bench paint                  one full repaint of the complete 99-vertex graph
//   win32_bench startup A.exe B.exe     process start until the first paint of the main
//                                       window has ended, for A (grafuri) and B (the floor)
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

#include "graph/graph_files.h"
#include "graph/graph_state.h"
#include "support/graph_builder.h"
#include "ui/main_window.h"

namespace {

double now()
{
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return (double)t.QuadPart * 1000.0 / (double)frequency.QuadPart;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void pump()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

int paintBench()
{
    if (!registerMainClass(GetModuleHandleA(nullptr)))
        return 1;
    HWND window = createMainWindow(GetModuleHandleA(nullptr), SW_SHOWNORMAL);
    makeCompleteGraph(maxVertices, [](int u, int v) { return 1 + (u * 31 + v * 17) % 997; });
    layOutOnCircle();
    pump();
    std::vector<double> times;
    for (int i = 0; i < 200; i++) {
        double start = now();
        invalidateCanvas(window);
        UpdateWindow(window); // sends WM_PAINT at once and returns when it has ended
        GdiFlush();
        times.push_back(now() - start);
        pump();
    }
    std::printf("repaint of 99 vertices and 4851 edges: median %.2f ms, best %.2f ms (%zu)\n",
                median(times), *std::min_element(times.begin(), times.end()), times.size());
    DestroyWindow(window);
    return 0;
}

// Starts a program and waits until its top-level window is visible with nothing left to
// paint; returns the milliseconds since CreateProcess, and closes the program.
double startupOf(const char* exe, const char* className)
{
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process;
    char commandLine[MAX_PATH + 2];
    std::snprintf(commandLine, sizeof commandLine, "\"%s\"", exe);
    double start = now();
    if (!CreateProcessA(exe, commandLine, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process))
        return -1;
    double elapsed = -1;
    for (;;) {
        HWND window = FindWindowA(className, nullptr);
        if (window != nullptr && IsWindowVisible(window) && !GetUpdateRect(window, nullptr, FALSE)) {
            elapsed = now() - start;
            PostMessageA(window, WM_CLOSE, 0, 0);
            break;
        }
        if (now() - start > 30000)
            break;
        Sleep(1);
    }
    WaitForSingleObject(process.hProcess, 30000);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    return elapsed;
}

int startupBench(const char* program, const char* floor)
{
    std::vector<double> programTimes, floorTimes;
    startupOf(program, "VexlaneWindowsApp"); // warm the file cache and Wine
    startupOf(floor, "MinimalWindow");
    for (int i = 0; i < 15; i++) {
        programTimes.push_back(startupOf(program, "VexlaneWindowsApp"));
        floorTimes.push_back(startupOf(floor, "MinimalWindow"));
    }
    double a = median(programTimes), b = median(floorTimes);
    std::printf("start-up until the first paint has ended: grafuri %.1f ms, minimal window "
                "%.1f ms, ratio %.2f (medians of %zu)\n", a, b, a / b, programTimes.size());
    return a > 0 && b > 0 ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 2 && std::strcmp(argv[1], "paint") == 0)
        return paintBench();
    if (argc == 4 && std::strcmp(argv[1], "startup") == 0)
        return startupBench(argv[2], argv[3]);
    std::fprintf(stderr, "usage: win32_bench paint | startup grafuri.exe minimal.exe\n");
    return 2;
}
