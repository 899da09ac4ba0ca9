#include "graph/graph_state.h"

#include <cstring>

GraphState graph;
int selectedVertex;
int secondVertex;
int chosenCount;
int stepAnswer;
Edge edgeList[maxEdges + 1];

void buildEdgeList()
{
    int n = graph.vertexCount;
    int k = 0;
    for (int u = 1; u < n; u++) {
        for (int v = u + 1; v <= n; v++) {
            if (graph.cost[u][v] > 0) {
                k++;
                edgeList[k].u = u;
                edgeList[k].v = v;
                edgeList[k].cost = graph.cost[u][v];
            }
        }
    }
}

bool isPresentVertex(int k)
{
    return k >= 1 && k <= graph.vertexCount && graph.removed[k] == 0;
}

void clearGraphState()
{
    std::memset(&graph, 0, sizeof graph);
    std::memset(edgeList, 0, sizeof edgeList);
    selectedVertex = 0;
    secondVertex = 0;
    chosenCount = 0;
    stepAnswer = 0;
}
