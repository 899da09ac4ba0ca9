#include "algorithms/mst_steps.h"

namespace {

const int noCost = 2147483647; // start of every minimum search

void addStep(MstSteps& run, const Edge& e, int verdict)
{
    MstStep& step = run.steps[run.count++];
    step.u = e.u;
    step.v = e.v;
    step.cost = e.cost;
    step.verdict = verdict;
}

int treeTarget()
{
    return graph.vertexCount - graph.removedCount - 1;
}

} // namespace

void sortEdgesByCost(int m)
{
    // The exchange sort: for i = 1 .. m - 1 and j = i + 1 .. m, whenever the cost now at j is
    // below the cost now at i, the two entries are exchanged. The costs are kept in a plain
    // array and the entries move as their numbers only, put in place once at the end: the
    // same exchanges, so the same order among equal costs, with less memory moved.
    static int costs[maxEdges + 1];
    static int entry[maxEdges + 1];
    static Edge unsorted[maxEdges + 1];
    for (int k = 1; k <= m; k++) {
        costs[k] = edgeList[k].cost;
        entry[k] = k;
        unsorted[k] = edgeList[k];
    }
    for (int i = 1; i < m; i++) {
        int cost = costs[i];
        int held = entry[i];
        for (int j = i + 1; j <= m; j++) {
            if (costs[j] < cost) { // exchange the entry held for position i with j's
                int takenCost = costs[j];
                int taken = entry[j];
                costs[j] = cost;
                entry[j] = held;
                cost = takenCost;
                held = taken;
            }
        }
        costs[i] = cost;
        entry[i] = held;
    }
    for (int k = 1; k <= m; k++)
        edgeList[k] = unsorted[entry[k]];
}

void kruskalSteps(MstSteps& run)
{
    int n = graph.vertexCount;
    int m = graph.edgeCount;
    buildEdgeList();
    sortEdgesByCost(m);

    // Two vertices lie in one component of the forest exactly when their labels agree.
    int componentLabel[vertexSlots];
    for (int k = 1; k <= n; k++)
        componentLabel[k] = k;

    run.count = 0;
    run.total = 0;
    chosenCount = 0;
    int target = treeTarget();
    for (int position = 1; target > 0 && position <= m && chosenCount < target; position++) {
        const Edge& e = edgeList[position];
        if (componentLabel[e.u] == componentLabel[e.v]) {
            addStep(run, e, markRejected);
            continue;
        }
        run.total += e.cost;
        chosenCount++;
        // The second endpoint's component takes the first endpoint's label.
        int old = componentLabel[e.v];
        for (int k = 1; k <= n; k++) {
            if (componentLabel[k] == old)
                componentLabel[k] = componentLabel[e.u];
        }
        addStep(run, e, markChosen);
    }
}

void primSteps(MstSteps& run)
{
    int n = graph.vertexCount;
    int m = graph.edgeCount;
    int componentLabel[vertexSlots];
    for (int k = 1; k <= n; k++)
        componentLabel[k] = k;
    static bool edgeUsed[maxEdges + 1];
    for (int k = 1; k <= m; k++)
        edgeUsed[k] = false;
    buildEdgeList();

    run.count = 0;
    run.total = 0;
    int target = treeTarget();
    if (target <= 0)
        return;

    // The tree starts at the first of the cheapest edges of the whole graph.
    int best = 0;
    int bestCost = noCost;
    for (int k = 1; k <= m; k++) {
        if (edgeList[k].cost < bestCost) {
            bestCost = edgeList[k].cost;
            best = k;
        }
    }
    if (best == 0)
        return;
    const Edge& first = edgeList[best];
    edgeUsed[best] = true;
    run.total = first.cost;
    int treeLabel = componentLabel[first.v];
    componentLabel[first.u] = treeLabel;
    addStep(run, first, markChosen);
    chosenCount = 2;

    while (chosenCount <= target) {
        // The first, in list order, of the cheapest edges with exactly one end in the tree.
        best = 0;
        bestCost = noCost;
        for (int k = 1; k <= m; k++) {
            bool leavesTree = (componentLabel[edgeList[k].u] == treeLabel) !=
                              (componentLabel[edgeList[k].v] == treeLabel);
            if (!edgeUsed[k] && edgeList[k].cost < bestCost && leavesTree) {
                bestCost = edgeList[k].cost;
                best = k;
            }
        }
        if (best == 0) // only a disconnected graph gets here; never read entry 0
            return;
        const Edge& e = edgeList[best];
        run.total += e.cost;
        componentLabel[e.u] = treeLabel;
        componentLabel[e.v] = treeLabel;
        edgeUsed[best] = true;
        addStep(run, e, markChosen);
        chosenCount++;
    }
}
