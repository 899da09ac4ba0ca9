// The one graph the program holds, and the companion variables that the editing actions and
// the minimum spanning tree runs share. Every array is indexed directly by vertex number;
// index 0 belongs to no vertex.
#pragma once

const int maxVertices = 99;                               // vertex numbers run 1 .. 99
const int vertexSlots = maxVertices + 1;                  // arrays keep index 0 unused
const int maxEdges = maxVertices * (maxVertices - 1) / 2; // 4851 edges in a complete graph

struct GraphState {
    int vertexCount;                       // highest vertex number handed out since the last load
    int edgeCount;                         // number of edges
    int removedCount;                      // vertices 1 .. vertexCount flagged as removed
    unsigned char removed[vertexSlots];    // 1 = removed
    int posX[vertexSlots];                 // centre of each vertex, client pixels
    int posY[vertexSlots];
    int degree[vertexSlots];
    int cost[vertexSlots][vertexSlots];    // symmetric; 0 = no edge
    int edgeMark[vertexSlots][vertexSlots];// colour of an edge during an MST run
    int vertexMark[vertexSlots];           // fill code, used only while painting
};

struct Edge {
    int u;    // smaller endpoint
    int v;    // larger endpoint
    int cost;
};

extern GraphState graph;
extern int selectedVertex; // first vertex of a two-press action, drawn red; 0 = none
extern int secondVertex;   // vertex hit by the second press of a two-press action; 0 = none
extern int chosenCount;    // progress counter of the MST run in progress
extern int stepAnswer;     // answer of the last step box; 1 (OK) keeps step boxes coming

// 1-based; entry 0 is never used. Room for every edge a 99-vertex graph can hold.
extern Edge edgeList[maxEdges + 1];

// Fills edgeList[1 .. edgeCount] from the cost matrix in row-major order of the upper
// triangle. Entries above the edge count keep whatever they held.
void buildEdgeList();

// A vertex is present when it has been handed out and is not removed.
bool isPresentVertex(int k);

// Puts the graph and its companion variables back to the all-zero state of process start.
void clearGraphState();
