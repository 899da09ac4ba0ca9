// The control panel right of the canvas: the action radio buttons, the command buttons, the
// cost and file-name boxes and the two-part status bar; and how choosing an action updates
// the prompt and the tool controls.
#pragma once

#include <windows.h>

// Control ids.
const int idConex = 1;
const int idCostTotal = 2;
const int idKruskal = 5;
const int idPrim = 6;
const int idRead = 8;
const int idSave = 9;
const int idActionGroup = 100;
const int idAddVertex = 101; // the seven action radio buttons are 101 .. 107
const int idCancelAction = 107;
const int idStatusBar = 108;

// ActionMode: 0 no action, 1 .. 6 the editing actions (radio id - 100).
enum ActionMode {
    noAction = 0,
    addVertexMode = 1,
    removeVertexMode = 2,
    degreeMode = 3,
    moveVertexMode = 4,
    addEdgeMode = 5,
    removeEdgeMode = 6
};

extern HWND actionGroup;
extern HWND statusBar;
extern HWND costBox;
extern HWND costLabel;
extern HWND fileNameBox;
extern HWND actionButtons[7]; // ids 101 .. 107
extern HWND infoGroup;
extern HWND processingGroup;
extern HWND conexButton;
extern HWND costTotalButton;
extern HWND kruskalButton;
extern HWND primButton;
extern HWND readButton;
extern HWND saveButton;

extern const int statusParts[2];

// WM_CREATE: builds every control, sets the status texts and enables the tools.
void createControlPanel(HWND mainWindow);

// The ActionMode of the first checked radio button among 101 .. 106, else 0.
int checkedActionMode(HWND group);

// Enables or disables Conex, Cost total, APM Kruskal, APM Prim, the cost label and box.
void setToolButtonsEnabled(bool enable);

// WM_PARENTNOTIFY: a press on an action radio button chooses that action.
void onParentNotify(HWND mainWindow, int x, int y);

// Sets the text of status part 0 or 1.
void setStatusText(int part, const char* text);
