#include "ui/command_buttons.h"

#include <cstdio>

#include "algorithms/connectivity.h"
#include "algorithms/mst_runs.h"
#include "graph/graph_files.h"
#include "ui/control_panel.h"
#include "ui/main_window.h"
#include "ui/message_boxes.h"

namespace {

const char readCaption[] = "Citire fisier";
const char saveCaption[] = "Salvare graf";

// Why a file was refused, one text per ReadProblem.
const char* const readProblemTexts[] = {
    "",
    "Acest fisier nu exista!",
    "Numarul de varfuri lipseste sau nu este intre 0 si 99!",
    "Numarul de muchii lipseste sau este incorect!",
    "Fisierul contine mai putine muchii decat anunta!",
    "O muchie are un varf care nu exista!",
    "O muchie uneste un varf cu el insusi!",
    "O muchie apare de doua ori in fisier!",
    "Costul unei muchii trebuie sa fie intre 1 si 100000!",
    "Fisierul contine un varf care nu exista!",
    "Un varf apare de doua ori in fisier!",
    "Pozitia unui varf este incompleta!",
    "Pozitia unui varf este in afara zonei de desenare!",
    "O muchie are un varf a carui pozitie lipseste!",
};

// The file name is at most the first 17 characters of the file-name box.
void takeFileName()
{
    GetWindowTextA(fileNameBox, textBuffer, 18);
}

void showConnectivity(HWND mainWindow)
{
    showBox(mainWindow, isConnected() ? "Graful este conex" : "Graful nu este conex",
            "Verificare conexitate");
}

void showTotalCost(HWND mainWindow)
{
    std::snprintf(textBuffer, sizeof textBuffer, "Costul total este %d", totalCost());
    showBox(mainWindow, textBuffer, "Cost total");
}

void readCommand(HWND mainWindow)
{
    takeFileName();
    if (sameNameIgnoringCase(textBuffer, initialFileName)) {
        showBox(mainWindow, "Fisierul a fost citit la executia aplicatiei", "Citire graf");
        return;
    }
    readGraphFile(mainWindow);
    invalidateCanvas(mainWindow);
}

void saveCommand(HWND mainWindow)
{
    takeFileName();
    if (sameNameIgnoringCase(textBuffer, initialFileName)) {
        showBox(mainWindow, "Alegeti un nume diferit de fisierul initial!", saveCaption);
        return;
    }
    if (saveGraphFile())
        showBox(mainWindow, "Graful a fost salvat in fisier", saveCaption);
    else
        showBox(mainWindow, "Graful nu a fost salvat! Fisierul nu poate fi scris.", saveCaption);
}

} // namespace

void readGraphFile(HWND owner)
{
    ReadProblem problem = readSavedGraph(textBuffer);
    if (problem != readOk)
        showBox(owner, readProblemTexts[problem], readCaption);
}

void onCommand(HWND mainWindow, int id)
{
    switch (id) {
    case idConex:
        showConnectivity(mainWindow);
        break;
    case idCostTotal:
        showTotalCost(mainWindow);
        break;
    case idKruskal:
        runKruskal(mainWindow);
        break;
    case idPrim:
        runPrim(mainWindow);
        break;
    case idRead:
        readCommand(mainWindow);
        break;
    case idSave:
        saveCommand(mainWindow);
        break;
    default: // the edit boxes (id 0) notify all the time
        break;
    }
}
