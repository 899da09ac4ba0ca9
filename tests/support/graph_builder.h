// Small helpers that put the graph into a known state for a test, keeping every invariant.
#pragma once

#include <initializer_list>

#include "graph/graph_state.h"

// Clears everything, then vertices 1 .. n present at the given positions (or on a grid when
// none are given) and the listed edges {u, v, cost}.
void makeGraph(int n, std::initializer_list<Edge> edges);

// Adds an edge between two present vertices, as the add-edge action does.
void addTestEdge(int u, int v, int cost);

// Removes a vertex with all its edges, as the remove-vertex action does.
void removeTestVertex(int k);

void placeVertex(int k, int x, int y);

// Every edge of the complete graph on n vertices, costs from the callback.
void makeCompleteGraph(int n, int (*costOf)(int u, int v));

// Equal in everything a saved file keeps: the counts, costs, degrees, removed flags and the
// positions of the present vertices.
bool sameSavedGraph(const GraphState& a, const GraphState& b);
