#include "win32/harness.h"

#include <commctrl.h>

#include "graph/graph_state.h"
#include "ui/control_panel.h"
#include "ui/main_window.h"

using WindowTest = MainWindowTest;

TEST_F(WindowTest, ClassAndFrameMatchTheFixedWindow)
{
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    ASSERT_TRUE(GetClassInfoExA(GetModuleHandleA(nullptr), "VexlaneWindowsApp", &windowClass));
    EXPECT_EQ(windowClass.style, (UINT)CS_DBLCLKS);
    EXPECT_EQ(windowClass.hbrBackground, (HBRUSH)1);
    EXPECT_EQ(windowClass.lpszMenuName, nullptr);
    EXPECT_EQ(windowClass.lpfnWndProc, MainWndProc);

    EXPECT_EQ(windowText(window), "Grafuri neorientate ponderate");
    LONG style = GetWindowLongA(window, GWL_STYLE);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_TRUE(style & WS_CAPTION); // given by the system to an overlapped window
    EXPECT_FALSE(style & WS_THICKFRAME);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_FALSE(style & WS_CHILD);
    EXPECT_EQ(GetWindowLongA(window, GWL_EXSTYLE) & ~WS_EX_WINDOWEDGE, 0);
    EXPECT_EQ(GetMenu(window), nullptr);
    RECT r;
    GetWindowRect(window, &r);
    EXPECT_EQ(r.right - r.left, 1000);
    EXPECT_EQ(r.bottom - r.top, 660);
    EXPECT_TRUE(IsWindowVisible(window));
}

TEST_F(WindowTest, PanelControlsInOrderWithTheirExactProperties)
{
    const DWORD child = WS_CHILD | WS_VISIBLE;
    struct Row {
        const char* className;
        const char* text;
        DWORD exStyle;
        DWORD style;
        int x, y, width, height;
        bool inGroup;
        int id;
    };
    const Row rows[] = {
        {"Button", "Actiuni:", WS_EX_TRANSPARENT, child | BS_GROUPBOX, 806, 15, 150, 164, false, 100},
        {"Button", "Adauga v\xE2rf", 0, child | BS_AUTORADIOBUTTON, 4, 20, 280, 20, true, 101},
        {"Button", "Elimina v\xE2rf", 0, child | BS_AUTORADIOBUTTON, 4, 40, 280, 20, true, 102},
        {"Button", "Determina grad ", 0, child | BS_AUTORADIOBUTTON, 4, 60, 280, 20, true, 103},
        {"Button", "Deplasare v\xE2rf", 0, child | BS_AUTORADIOBUTTON, 4, 80, 280, 20, true, 104},
        {"Button", "Adauga muchie", 0, child | BS_AUTORADIOBUTTON, 4, 100, 280, 20, true, 105},
        {"Button", "Elimina muchie", 0, child | BS_AUTORADIOBUTTON, 4, 120, 280, 20, true, 106},
        {"Button", "Anulare actiune", 0, child | BS_AUTORADIOBUTTON, 4, 140, 280, 20, true, 107},
        {"Button", "Informatii:", WS_EX_TRANSPARENT, child | BS_GROUPBOX, 806, 195, 150, 170, false, 0},
        {"Button", "Conex", 0, child | BS_PUSHBUTTON, 836, 225, 100, 25, false, 1},
        {"Button", "Cost total", 0, child | BS_PUSHBUTTON, 836, 260, 100, 25, false, 2},
        {"Button", "Prelucrari:", WS_EX_TRANSPARENT, child | BS_GROUPBOX, 806, 380, 150, 170, false, 0},
        {"Button", "APM Kruskal", 0, child | BS_PUSHBUTTON, 836, 410, 100, 25, false, 5},
        {"Button", "APM Prim", 0, child | BS_PUSHBUTTON, 836, 445, 100, 25, false, 6},
        {"Static", "Cost :", 0, child | SS_LEFT, 836, 515, 70, 20, false, 0},
        {"Edit", "0", 0, child | ES_LEFT, 911, 515, 30, 20, false, 0},
        {"Button", "Citire", 0, child | BS_PUSHBUTTON, 780, 568, 60, 25, false, 8},
        {"Edit", "RuriDU.in", 0, child | ES_LEFT, 846, 568, 72, 24, false, 0},
        {"Button", "Salvare", 0, child | BS_PUSHBUTTON, 925, 568, 60, 25, false, 9},
    };
    // The main window's children in creation order (GW_HWNDNEXT walks the z-order, which for
    // children created without reordering is creation order), then the group's radio buttons.
    std::vector<HWND> created;
    for (HWND c = GetWindow(window, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT))
        created.push_back(c);
    std::vector<HWND> radios;
    for (HWND c = GetWindow(actionGroup, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT))
        radios.push_back(c);
    ASSERT_EQ(created.size(), 13u); // 12 controls and the status bar
    ASSERT_EQ(radios.size(), 7u);
    std::vector<HWND> inOrder = {created[0]};
    inOrder.insert(inOrder.end(), radios.begin(), radios.end());
    inOrder.insert(inOrder.end(), created.begin() + 1, created.end() - 1);

    for (size_t i = 0; i < std::size(rows); i++) {
        const Row& row = rows[i];
        HWND control = inOrder[i];
        SCOPED_TRACE(std::string("row ") + std::to_string(i + 1) + " " + row.text);
        EXPECT_STREQ(className(control).c_str(), row.className);
        EXPECT_EQ(windowText(control), row.text);
        EXPECT_EQ((DWORD)GetWindowLongA(control, GWL_EXSTYLE), row.exStyle);
        DWORD style = (DWORD)GetWindowLongA(control, GWL_STYLE);
        // Checking a radio button gives it WS_TABSTOP: the system's doing, not ours.
        DWORD systemBits = row.id == 107 ? WS_TABSTOP : 0;
        EXPECT_EQ(style, row.style | systemBits);
        EXPECT_EQ(GetWindowLongA(control, GWL_ID), row.id);
        EXPECT_EQ(GetParent(control), row.inGroup ? actionGroup : window);
        RECT r = rectInParent(control);
        EXPECT_EQ(r.left, row.x);
        EXPECT_EQ(r.top, row.y);
        EXPECT_EQ(r.right - r.left, row.width);
        EXPECT_EQ(r.bottom - r.top, row.height);
    }
    EXPECT_EQ(created.back(), statusBar);
    EXPECT_EQ(className(statusBar), "msctls_statusbar32");
    EXPECT_EQ(GetWindowLongA(statusBar, GWL_ID), 108);
    EXPECT_TRUE(GetWindowLongA(statusBar, GWL_STYLE) & SBARS_SIZEGRIP);
    EXPECT_TRUE(IsWindowVisible(statusBar));
    EXPECT_EQ(inOrder[0], actionGroup);
    EXPECT_EQ(inOrder[14], costLabel);
    EXPECT_EQ(inOrder[15], costBox);
    EXPECT_EQ(inOrder[17], fileNameBox);
}

TEST_F(WindowTest, StartState)
{
    EXPECT_EQ(IsDlgButtonChecked(actionGroup, 107), BST_CHECKED);
    for (int id = 101; id <= 106; id++)
        EXPECT_EQ(IsDlgButtonChecked(actionGroup, id), BST_UNCHECKED) << id;
    EXPECT_EQ(checkedActionMode(actionGroup), 0);
    for (HWND tool : {conexButton, costTotalButton, kruskalButton, primButton, costLabel, costBox,
                      readButton, saveButton, fileNameBox})
        EXPECT_TRUE(IsWindowEnabled(tool));
    EXPECT_EQ(statusText(0), " Win32 Application");
    EXPECT_EQ(statusText(1), "Autor: Orvendal");
    int parts[3] = {};
    EXPECT_EQ(SendMessageA(statusBar, SB_GETPARTS, 3, (LPARAM)parts), 2);
    EXPECT_EQ(parts[0], 200);
    EXPECT_EQ(parts[1], -1);
    EXPECT_EQ(windowText(costBox), "0");
    EXPECT_EQ(windowText(fileNameBox), "RuriDU.in");
    EXPECT_EQ(canvasRect.left, 0);
    EXPECT_EQ(canvasRect.top, 0);
    EXPECT_EQ(canvasRect.right, 770);
    EXPECT_EQ(canvasRect.bottom, 650);
    EXPECT_EQ(graph.vertexCount, 0); // no RuriDU.in in this folder: empty graph, no box
}
