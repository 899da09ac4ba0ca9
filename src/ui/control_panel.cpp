#include "ui/control_panel.h"

#include <commctrl.h>

#include "graph/graph_state.h"
#include "ui/main_window.h"

HWND actionGroup;
HWND statusBar;
HWND costBox;
HWND costLabel;
HWND fileNameBox;
HWND actionButtons[7];
HWND infoGroup;
HWND processingGroup;
HWND conexButton;
HWND costTotalButton;
HWND kruskalButton;
HWND primButton;
HWND readButton;
HWND saveButton;

const int statusParts[2] = {200, -1};

namespace {

const DWORD groupStyle = WS_CHILD | WS_VISIBLE | BS_GROUPBOX;
const DWORD radioStyle = WS_CHILD | WS_VISIBLE | BS_AUTORADIOBUTTON;
const DWORD pushStyle = WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON;
const DWORD labelStyle = WS_CHILD | WS_VISIBLE | SS_LEFT;
const DWORD editStyle = WS_CHILD | WS_VISIBLE | ES_LEFT;

struct ControlRow {
    const char* className;
    const char* text;
    DWORD exStyle;
    DWORD style;
    int x, y, width, height;
    bool inActionGroup; // parent: the "Actiuni:" group box instead of the main window
    int id;
    HWND* handle;
};

// Created in this order. The radio buttons' "â" is the ANSI byte 0xE2.
const ControlRow panelRows[] = {
    {"Button", "Actiuni:", WS_EX_TRANSPARENT, groupStyle, 806, 15, 150, 164, false, 100, &actionGroup},
    {"Button", "Adauga v\xE2rf", 0, radioStyle, 4, 20, 280, 20, true, 101, &actionButtons[0]},
    {"Button", "Elimina v\xE2rf", 0, radioStyle, 4, 40, 280, 20, true, 102, &actionButtons[1]},
    {"Button", "Determina grad ", 0, radioStyle, 4, 60, 280, 20, true, 103, &actionButtons[2]},
    {"Button", "Deplasare v\xE2rf", 0, radioStyle, 4, 80, 280, 20, true, 104, &actionButtons[3]},
    {"Button", "Adauga muchie", 0, radioStyle, 4, 100, 280, 20, true, 105, &actionButtons[4]},
    {"Button", "Elimina muchie", 0, radioStyle, 4, 120, 280, 20, true, 106, &actionButtons[5]},
    {"Button", "Anulare actiune", 0, radioStyle, 4, 140, 280, 20, true, 107, &actionButtons[6]},
    {"Button", "Informatii:", WS_EX_TRANSPARENT, groupStyle, 806, 195, 150, 170, false, 0, &infoGroup},
    {"Button", "Conex", 0, pushStyle, 836, 225, 100, 25, false, 1, &conexButton},
    {"Button", "Cost total", 0, pushStyle, 836, 260, 100, 25, false, 2, &costTotalButton},
    {"Button", "Prelucrari:", WS_EX_TRANSPARENT, groupStyle, 806, 380, 150, 170, false, 0, &processingGroup},
    {"Button", "APM Kruskal", 0, pushStyle, 836, 410, 100, 25, false, 5, &kruskalButton},
    {"Button", "APM Prim", 0, pushStyle, 836, 445, 100, 25, false, 6, &primButton},
    {"STATIC", "Cost :", 0, labelStyle, 836, 515, 70, 20, false, 0, &costLabel},
    {"EDIT", "0", 0, editStyle, 911, 515, 30, 20, false, 0, &costBox},
    {"Button", "Citire", 0, pushStyle, 780, 568, 60, 25, false, 8, &readButton},
    {"EDIT", "RuriDU.in", 0, editStyle, 846, 568, 72, 24, false, 0, &fileNameBox},
    {"Button", "Salvare", 0, pushStyle, 925, 568, 60, 25, false, 9, &saveButton},
    {STATUSCLASSNAMEA, nullptr, 0, WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0, 0, false, 108, &statusBar},
};

const char* const actionPrompts[7] = {
    " Marcati pozitia noului varf intr-o zona libera",
    " Selectati varful pe care doriti sa-l eliminati ",
    " Selectati varful pentru care doriti gradul ",
    " Selectati varful pe care doriti sa-l deplasati ",
    " Selectati primul varf al muchiei ",
    " Selectati primul varf al muchiei ",
    " ",
};

void createRow(HWND mainWindow, const ControlRow& row)
{
    HWND parent = row.inActionGroup ? actionGroup : mainWindow;
    *row.handle = CreateWindowExA(row.exStyle, row.className, row.text, row.style, row.x, row.y,
                                  row.width, row.height, parent, (HMENU)(INT_PTR)row.id,
                                  appInstance, nullptr);
}

} // namespace

void createControlPanel(HWND mainWindow)
{
    const int rowCount = sizeof panelRows / sizeof panelRows[0];
    for (int i = 0; i < rowCount; i++) {
        createRow(mainWindow, panelRows[i]);
        if (panelRows[i].id == idCancelAction)
            CheckRadioButton(actionGroup, idAddVertex, idCancelAction, idCancelAction);
    }
    SendMessageA(statusBar, SB_SETPARTS, 2, (LPARAM)statusParts);
    setStatusText(0, " Win32 Application");
    setStatusText(1, "Autor: Orvendal");
    ShowWindow(statusBar, SW_SHOW);
    // Last: creating each control sent a WM_PARENTNOTIFY whose handling may have disabled
    // the tools created before it.
    setToolButtonsEnabled(true);
}

int checkedActionMode(HWND group)
{
    for (int id = idAddVertex; id < idCancelAction; id++) {
        if (IsDlgButtonChecked(group, id) == BST_CHECKED)
            return id - 100;
    }
    return noAction;
}

void setToolButtonsEnabled(bool enable)
{
    HWND tools[] = {conexButton, costTotalButton, kruskalButton, primButton, costLabel, costBox};
    for (HWND tool : tools)
        EnableWindow(tool, enable);
}

void onParentNotify(HWND mainWindow, int x, int y)
{
    // Only the radio buttons of the "Actiuni:" group lie in this corner of the panel.
    if (y > 200 || x < 755)
        return;
    POINT inGroup = {x - 806, y - 15};
    HWND child = ChildWindowFromPoint(actionGroup, inGroup);
    int id = child != nullptr ? GetWindowLongA(child, GWL_ID) : 0;
    setToolButtonsEnabled(id == idCancelAction);
    if (id >= idAddVertex && id <= idCancelAction)
        setStatusText(1, actionPrompts[id - idAddVertex]);
    selectedVertex = 0;
    secondVertex = 0;
    invalidateCanvas(mainWindow);
}

void setStatusText(int part, const char* text)
{
    SendMessageA(statusBar, SB_SETTEXTA, part, (LPARAM)text);
}
