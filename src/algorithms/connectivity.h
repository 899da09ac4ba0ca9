// Whole-graph questions: is every present vertex reachable from every other, and what do all
// edges cost together. Both only read the graph.
#pragma once

bool isConnected();
int totalCost();
