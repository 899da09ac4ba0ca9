#include "algorithms/connectivity.h"

#include "graph/graph_state.h"

bool isConnected()
{
    int n = graph.vertexCount;
    if (n == 0)
        return true;
    bool visited[vertexSlots] = {};
    int queue[maxVertices];
    int head = 0, tail = 0;

    int start = 1;
    while (start <= n && graph.removed[start])
        start++;
    if (start > n) // no present vertex at all
        return true;
    visited[start] = true;
    queue[tail++] = start;

    while (head < tail) {
        int u = queue[head++];
        for (int v = 1; v <= n; v++) {
            if (graph.cost[u][v] > 0 && !visited[v] && !graph.removed[v]) {
                visited[v] = true;
                queue[tail++] = v;
            }
        }
    }
    for (int k = 1; k <= n; k++) {
        if (!visited[k] && !graph.removed[k])
            return false;
    }
    return true;
}

int totalCost()
{
    int n = graph.vertexCount;
    int sum = 0;
    for (int u = 1; u < n; u++) {
        for (int v = u + 1; v <= n; v++) {
            if (graph.cost[u][v] > 0)
                sum += graph.cost[u][v];
        }
    }
    return sum;
}
