#include "algorithms/mst_runs.h"

#include "algorithms/connectivity.h"
#include "algorithms/mst_steps.h"
#include "algorithms/step_presentation.h"
#include "ui/message_boxes.h"

namespace {

MstSteps run; // room for every step of the largest graph, so not on the stack

const char notConnectedText[] = "Graful trebuie sa fie conex pentru a obtine A.P.M.";

struct RunTexts {
    const char* stepCaption;
    const char* title;
    const char* finalCaption;
};

// Refuses a graph that is not connected; otherwise computes the steps and shows them.
void runAlgorithm(HWND mainWindow, const RunTexts& texts, void (*computeSteps)(MstSteps&))
{
    if (!isConnected()) {
        showBox(mainWindow, notConnectedText, texts.stepCaption);
        return;
    }
    computeSteps(run);
    beginStepRun(texts.title);
    for (int i = 0; i < run.count; i++) {
        const MstStep& s = run.steps[i];
        presentStep(mainWindow, texts.stepCaption, i + 1, s.u, s.v, s.cost, s.verdict);
    }
    endStepRun(mainWindow, texts.finalCaption, run.total);
}

} // namespace

void runKruskal(HWND mainWindow)
{
    const RunTexts texts = {"A.P.M. Kruskal", "Algoritmul lui Kruskal pentru determinarea A.P.M.",
                            "APM Kruskal"};
    runAlgorithm(mainWindow, texts, kruskalSteps);
}

void runPrim(HWND mainWindow)
{
    const RunTexts texts = {"A.P.M. Prim", "Algoritmul lui Prim pentru determinarea A.P.M.",
                            "APM Prim"};
    runAlgorithm(mainWindow, texts, primSteps);
}
