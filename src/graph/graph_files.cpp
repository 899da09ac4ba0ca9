#include "graph/graph_files.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "graph/file_replace.h"
#include "graph/graph_state.h"

char textBuffer[512];

namespace {

const double pi = 3.141592653589793;

// A file is parsed whole into this scratch record and checked before anything in the graph
// changes, so a refused file leaves no trace.
struct ParsedGraph {
    int n;
    int m;
    Edge edges[maxEdges];
    unsigned char pairSeen[vertexSlots][vertexSlots];
    int vertexLines;
    unsigned char listed[vertexSlots];
    int x[vertexSlots];
    int y[vertexSlots];
};

ParsedGraph parsed;

enum TokenKind { tokenNumber, tokenNotNumber, tokenEnd };

bool isBlank(int c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

// Reads one decimal integer with an optional sign after any whitespace, as a stream's >>
// does: the digits end at the first other character, which stays unread. Values too large
// for an int are clamped far outside every accepted range instead of overflowing.
TokenKind readNumber(std::FILE* file, long long& value)
{
    int c = std::fgetc(file);
    while (isBlank(c))
        c = std::fgetc(file);
    if (c == EOF)
        return tokenEnd;
    bool negative = false;
    if (c == '+' || c == '-') {
        negative = c == '-';
        c = std::fgetc(file);
    }
    if (c < '0' || c > '9')
        return tokenNotNumber;
    long long magnitude = 0;
    while (c >= '0' && c <= '9') {
        if (magnitude < 100000000000LL)
            magnitude = magnitude * 10 + (c - '0');
        c = std::fgetc(file);
    }
    if (c != EOF)
        std::ungetc(c, file);
    value = negative ? -magnitude : magnitude;
    return tokenNumber;
}

bool readInRange(std::FILE* file, long long low, long long high, int& out)
{
    long long value = 0;
    if (readNumber(file, value) != tokenNumber || value < low || value > high)
        return false;
    out = (int)value;
    return true;
}

ReadProblem readEdge(std::FILE* file, Edge& edge)
{
    long long u = 0, v = 0, w = 0;
    if (readNumber(file, u) != tokenNumber || readNumber(file, v) != tokenNumber ||
        readNumber(file, w) != tokenNumber)
        return readMissingEdges;
    if (u < 1 || u > parsed.n || v < 1 || v > parsed.n)
        return readBadEndpoint;
    if (u == v)
        return readSelfLoop;
    if (w < 1 || w > maxEdgeCost)
        return readBadCost;
    if (parsed.pairSeen[u][v])
        return readRepeatedEdge;
    parsed.pairSeen[u][v] = parsed.pairSeen[v][u] = 1;
    edge.u = (int)u;
    edge.v = (int)v;
    edge.cost = (int)w;
    return readOk;
}

// Vertex lines "k x y" follow the edges until a number cannot be read.
ReadProblem readVertexLines(std::FILE* file)
{
    long long k = 0;
    while (readNumber(file, k) == tokenNumber) {
        if (k < 1 || k > parsed.n)
            return readBadVertexLine;
        if (parsed.listed[k])
            return readRepeatedVertexLine;
        long long x = 0, y = 0;
        if (readNumber(file, x) != tokenNumber || readNumber(file, y) != tokenNumber)
            return readIncompleteVertexLine;
        if (x < 0 || x > maxPosX || y < 0 || y > maxPosY)
            return readBadPosition;
        parsed.listed[k] = 1;
        parsed.x[k] = (int)x;
        parsed.y[k] = (int)y;
        parsed.vertexLines++;
    }
    if (parsed.vertexLines == 0)
        return readOk;
    for (int i = 0; i < parsed.m; i++) {
        if (!parsed.listed[parsed.edges[i].u] || !parsed.listed[parsed.edges[i].v])
            return readEdgeWithoutVertex;
    }
    return readOk;
}

ReadProblem parseGraph(std::FILE* file, bool withVertexLines)
{
    std::memset(&parsed, 0, sizeof parsed);
    if (!readInRange(file, 0, maxVertices, parsed.n))
        return readBadVertexCount;
    if (!readInRange(file, 0, (long long)parsed.n * (parsed.n - 1) / 2, parsed.m))
        return readBadEdgeCount;
    for (int i = 0; i < parsed.m; i++) {
        ReadProblem problem = readEdge(file, parsed.edges[i]);
        if (problem != readOk)
            return problem;
    }
    return withVertexLines ? readVertexLines(file) : readOk;
}

ReadProblem parseFile(const char* fileName, bool withVertexLines)
{
    std::FILE* file = std::fopen(fileName, "r");
    if (file == nullptr)
        return readCannotOpen;
    ReadProblem problem = parseGraph(file, withVertexLines);
    std::fclose(file);
    return problem;
}

// Replaces the graph by the parsed one. Without vertex lines every vertex is present and
// laid out on the circle; with them, unlisted vertices are removed and the others keep the
// positions given.
void commitParsedGraph()
{
    std::memset(graph.cost, 0, sizeof graph.cost);
    std::memset(graph.degree, 0, sizeof graph.degree);
    std::memset(graph.removed, 0, sizeof graph.removed);
    graph.vertexCount = parsed.n;
    graph.edgeCount = parsed.m;
    for (int i = 0; i < parsed.m; i++) {
        const Edge& e = parsed.edges[i];
        graph.degree[e.u]++;
        graph.degree[e.v]++;
        graph.cost[e.u][e.v] = graph.cost[e.v][e.u] = e.cost;
    }
    graph.removedCount = 0;
    if (parsed.vertexLines == 0) {
        layOutOnCircle();
        return;
    }
    for (int k = 1; k <= parsed.n; k++) {
        if (parsed.listed[k]) {
            graph.posX[k] = parsed.x[k];
            graph.posY[k] = parsed.y[k];
        } else {
            graph.removed[k] = 1;
            graph.removedCount++;
        }
    }
}

bool writeGraphText(std::FILE* file)
{
    int n = graph.vertexCount;
    bool ok = std::fprintf(file, "%d\n%d\n", n, graph.edgeCount) >= 0;
    for (int u = 1; u < n; u++) {
        for (int v = u + 1; v <= n; v++) {
            if (graph.cost[u][v] > 0)
                ok = ok && std::fprintf(file, "%d %d %d\n", u, v, graph.cost[u][v]) >= 0;
        }
    }
    for (int k = 1; k <= n; k++) {
        if (graph.removed[k] == 0)
            ok = ok && std::fprintf(file, "%d %d %d\n", k, graph.posX[k], graph.posY[k]) >= 0;
    }
    return ok;
}

} // namespace

void layOutOnCircle()
{
    int n = graph.vertexCount;
    if (n <= 0)
        return;
    double step = (360.0 / n) * pi / 180;
    for (int i = 0; i < n; i++) {
        double a = i * step;
        graph.posX[i + 1] = (int)(layoutCenterX + layoutRadius * std::cos(a));
        graph.posY[i + 1] = (int)(layoutCenterY - layoutRadius * std::sin(a));
    }
}

void loadInitialGraph()
{
    // Anything after the edges (the vertex lines of a saved file, say) is ignored.
    if (parseFile(initialFileName, false) == readOk)
        commitParsedGraph();
    selectedVertex = 0;
    secondVertex = 0;
}

ReadProblem readSavedGraph(const char* fileName)
{
    ReadProblem problem = parseFile(fileName, true);
    if (problem != readOk)
        return problem;
    commitParsedGraph();
    selectedVertex = 0;
    return readOk;
}

bool saveGraphFile()
{
    const char* target = textBuffer;
    if (target[0] == '\0')
        return false;
    char temp[sizeof textBuffer + 16];
    std::snprintf(temp, sizeof temp, "%s.salvare~", target);

    // Text mode: on Windows every line ends in CR LF.
    std::FILE* file = std::fopen(temp, "w");
    if (file == nullptr)
        return false;
    bool written = writeGraphText(file) && std::fflush(file) == 0 && flushToDisk(file);
    written = std::fclose(file) == 0 && written;
    if (written && replaceFile(temp, target))
        return true;
    std::remove(temp);
    return false;
}

bool sameNameIgnoringCase(const char* a, const char* b)
{
    for (;; a++, b++) {
        char ca = *a, cb = *b;
        if (ca >= 'A' && ca <= 'Z')
            ca = (char)(ca - 'A' + 'a');
        if (cb >= 'A' && cb <= 'Z')
            cb = (char)(cb - 'A' + 'a');
        if (ca != cb)
            return false;
        if (ca == '\0')
            return true;
    }
}
