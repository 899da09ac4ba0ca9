#include "canvas/geometry.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "graph/graph_state.h"

namespace {

// Squares and cross products of coordinates are taken in 64 bits, so no position a file can
// bring overflows; inside the window the results equal those of int arithmetic.
typedef long long wide;

bool nearSegment(wide xi, wide yi, wide xj, wide yj, wide x, wide y)
{
    // Nearly vertical edges: every point within 14 px of the first end's x, at any height.
    if (std::llabs(xi - xj) < edgeTolerance && std::llabs(xi - x) < edgeTolerance)
        return true;
    // Nearly horizontal edges: every point within 14 px of the first end's y, at any width.
    if (std::llabs(yi - yj) < edgeTolerance && std::llabs(yi - y) < edgeTolerance)
        return true;
    bool inBox = x >= std::min(xi, xj) && x <= std::max(xi, xj) &&
                 y >= std::min(yi, yj) && y <= std::max(yi, yj);
    if (!inBox)
        return false;
    wide numerator = std::llabs((yi - yj) * x + (xj - xi) * y + xi * yj - xj * yi);
    wide squaredLength = (xj - xi) * (xj - xi) + (yi - yj) * (yi - yj);
    return numerator / std::sqrt((double)squaredLength) < edgeTolerance;
}

} // namespace

int findVertexAt(int x, int y)
{
    for (int k = 1; k <= graph.vertexCount; k++) {
        if (graph.removed[k])
            continue;
        wide dx = graph.posX[k] - (wide)x;
        wide dy = graph.posY[k] - (wide)y;
        if (std::sqrt((double)(dx * dx + dy * dy)) <= hitRadius)
            return k;
    }
    return 0;
}

bool isNearEdge(int x, int y)
{
    int n = graph.vertexCount;
    for (int i = 1; i <= n; i++) {
        if (graph.removed[i])
            continue;
        for (int j = 1; j <= n; j++) {
            if (graph.cost[i][j] <= 0 || graph.removed[j])
                continue;
            if (nearSegment(graph.posX[i], graph.posY[i], graph.posX[j], graph.posY[j], x, y))
                return true;
        }
    }
    return false;
}
