// Kruskal's and Prim's algorithms as logic only: each run produces the ordered list of the
// edges it examines, with the verdict for each, and the total cost of the tree. Showing the
// steps is the presentation's job.
#pragma once

#include "graph/graph_state.h"

// How painting draws an edge while a run is shown.
enum EdgeMarkCode { markPlain = 0, markRejected = 1, markChosen = 3 };

struct MstStep {
    int u;       // smaller endpoint
    int v;       // larger endpoint
    int cost;
    int verdict; // markChosen or markRejected
};

struct MstSteps {
    int count;                 // steps[0 .. count - 1] are the run's steps 1 .. count
    int total;                 // cost of the chosen edges
    MstStep steps[maxEdges];   // every edge is examined at most once
};

// Exchange sort of edgeList[1 .. m] by ascending cost. Equal costs keep the order this
// exact procedure gives, which decides the order of Kruskal's steps.
void sortEdgesByCost(int m);

// Both expect a connected graph. They rebuild edgeList and leave chosenCount as the run
// leaves it: the number of tree edges for Kruskal, the next step number for Prim.
void kruskalSteps(MstSteps& run);
void primSteps(MstSteps& run);
