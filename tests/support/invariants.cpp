#include "support/invariants.h"

#include "graph/graph_files.h"
#include "graph/graph_state.h"

namespace {

std::string at(const char* what, int u, int v = -1)
{
    std::string text = std::string(what) + " at " + std::to_string(u);
    if (v >= 0)
        text += "," + std::to_string(v);
    return text;
}

std::string costViolation()
{
    int n = graph.vertexCount;
    int edges = 0;
    for (int u = 0; u < vertexSlots; u++) {
        int degree = 0;
        for (int v = 0; v < vertexSlots; v++) {
            int c = graph.cost[u][v];
            if (c != graph.cost[v][u])
                return at("cost not symmetric", u, v);
            if (c < 0)
                return at("negative cost", u, v);
            if (c == 0)
                continue;
            if (u == v)
                return at("loop", u);
            if (u < 1 || u > n || v < 1 || v > n)
                return at("edge outside 1 .. vertexCount", u, v);
            if (graph.removed[u] || graph.removed[v])
                return at("edge of a removed vertex", u, v);
            degree++;
            edges += u < v;
        }
        if (graph.degree[u] != degree)
            return at("degree does not count the edges", u);
    }
    if (edges != graph.edgeCount)
        return "edgeCount " + std::to_string(graph.edgeCount) + " but " + std::to_string(edges) +
               " edges";
    return "";
}

std::string vertexViolation()
{
    int n = graph.vertexCount;
    if (n < 0 || n > maxVertices)
        return "vertexCount out of 0 .. 99";
    int removed = 0;
    for (int k = 0; k < vertexSlots; k++) {
        if (graph.removed[k] > 1)
            return at("removed flag not 0 or 1", k);
        if (graph.removed[k] && (k < 1 || k > n))
            return at("removed flag outside 1 .. vertexCount", k);
        removed += graph.removed[k];
        bool present = k >= 1 && k <= n && !graph.removed[k];
        if (present && (graph.posX[k] < 0 || graph.posX[k] > maxPosX || graph.posY[k] < 0 ||
                        graph.posY[k] > maxPosY))
            return at("present vertex outside the canvas", k);
    }
    if (removed != graph.removedCount)
        return "removedCount does not count the removed flags";
    if (selectedVertex != 0 && !isPresentVertex(selectedVertex))
        return "selectedVertex is not a present vertex";
    return "";
}

std::string markViolation()
{
    for (int u = 0; u < vertexSlots; u++) {
        if (graph.vertexMark[u] != 0)
            return at("vertexMark set", u);
        for (int v = 0; v < vertexSlots; v++)
            if (graph.edgeMark[u][v] != 0)
                return at("edgeMark set", u, v);
    }
    return "";
}

} // namespace

std::string graphInvariantViolation(bool outsideRun)
{
    std::string problem = vertexViolation();
    if (problem.empty())
        problem = costViolation();
    if (problem.empty() && outsideRun)
        problem = markViolation();
    return problem;
}
