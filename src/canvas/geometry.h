// The fixed layout of the canvas and the two tests the mouse actions ask about a point.
#pragma once

const int vertexRadius = 12;   // half the side of the square around a vertex circle
const int hitRadius = 24;      // a point within this distance of a centre hits the vertex
const int edgeTolerance = 15;  // a point closer than this to an edge is in its zone
const int canvasMaxX = 755;    // rightmost x for a vertex or an edge's second press
const int canvasRight = 770;   // the separator line between canvas and panel
const int canvasBottom = 650;

// The lowest-numbered present vertex within hitRadius of the point, or 0.
int findVertexAt(int x, int y);

// True when the point lies in the zone of an edge between two present vertices.
bool isNearEdge(int x, int y);
