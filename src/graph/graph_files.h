// Graph files: the initial file read at start-up (counts and edges, vertices laid out on a
// circle) and the saved file (the same, followed by one line per present vertex with its
// position). Reading and writing only; the message boxes belong to the window side.
#pragma once

// Carries the file name from the command handler to the file operations, and the formatted
// total cost of "Cost total".
extern char textBuffer[512];

const char initialFileName[] = "RuriDU.in";

const int layoutRadius = 270;
const int layoutCenterX = 300;
const int layoutCenterY = 300;

// Bounds a file must keep to be accepted. With at most 4851 edges of cost at most 100000 no
// sum of costs can leave the int range. A vertex centre must lie where a press on the canvas
// can put one: x up to 755 (right of it the circle would cross the separator), y on the canvas.
const int maxEdgeCost = 100000;
const int maxPosX = 755;
const int maxPosY = 650;

// What reading a file found. Everything but readOk refuses the file whole and leaves the
// graph in memory exactly as it was.
enum ReadProblem {
    readOk,
    readCannotOpen,
    readBadVertexCount,     // missing, not a number, or outside 0 .. 99
    readBadEdgeCount,       // missing, not a number, negative or above n(n-1)/2
    readMissingEdges,       // fewer edge triples than announced
    readBadEndpoint,        // an edge endpoint outside 1 .. n
    readSelfLoop,           // an edge from a vertex to itself
    readRepeatedEdge,       // the same pair twice, in either orientation
    readBadCost,            // a cost outside 1 .. maxEdgeCost
    readBadVertexLine,      // a vertex line for a number outside 1 .. n
    readRepeatedVertexLine, // two lines for one vertex
    readIncompleteVertexLine,
    readBadPosition,        // a centre outside the canvas
    readEdgeWithoutVertex   // an edge endpoint that has no vertex line
};

// Reads "RuriDU.in" from the current directory and lays its vertices out on the circle.
// A missing or malformed file leaves the graph empty and reports nothing.
void loadInitialGraph();

// Places vertices 1 .. vertexCount evenly on the circle, vertex 1 at the right.
void layOutOnCircle();

// Reads a saved graph file. A file without vertex lines is taken as an initial file and its
// vertices are laid out on the circle.
ReadProblem readSavedGraph(const char* fileName);

// Writes the graph to the file named in textBuffer without ever leaving a half-written file:
// the text goes to a temporary file beside it, which then replaces the target. Returns false,
// with the previous file untouched, when anything fails.
bool saveGraphFile();

// Compares two file names folding only the ASCII letters, so the result does not depend on
// the C library's locale.
bool sameNameIgnoringCase(const char* a, const char* b);
