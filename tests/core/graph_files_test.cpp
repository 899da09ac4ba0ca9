#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "graph/graph_files.h"
#include "graph/graph_state.h"
#include "support/graph_builder.h"
#include "support/temp_folder.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/resource.h>
#endif

namespace {

struct Point {
    int x, y;
};

void expectPositions(const std::vector<Point>& positions)
{
    for (size_t i = 0; i < positions.size(); i++) {
        SCOPED_TRACE("vertex " + std::to_string(i + 1));
        EXPECT_EQ(graph.posX[i + 1], positions[i].x);
        EXPECT_EQ(graph.posY[i + 1], positions[i].y);
    }
}

void setFileName(const char* name)
{
    std::snprintf(textBuffer, sizeof textBuffer, "%s", name);
}

#ifdef _WIN32
const std::string lineEnd = "\r\n";
#else
const std::string lineEnd = "\n";
#endif

// The graph of the seven-line example: vertex 3 of 4 removed, edges {1,2} 7 and {2,4} 3.
void makeSevenLineExample()
{
    makeGraph(4, {{1, 2, 7}, {2, 4, 3}});
    removeTestVertex(3);
    placeVertex(1, 570, 300);
    placeVertex(2, 300, 30);
    placeVertex(4, 299, 570);
}

bool sameGraphState(const GraphState& a, const GraphState& b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

} // namespace

TEST(CircleLayout, PlacesVerticesEvenlyWithTruncation)
{
    struct Row {
        int n;
        std::vector<Point> positions;
    };
    const Row rows[] = {
        {1, {{570, 300}}},
        {2, {{570, 300}, {30, 299}}},
        {3, {{570, 300}, {165, 66}, {164, 533}}},
        {4, {{570, 300}, {300, 30}, {30, 299}, {299, 570}}},
        {6, {{570, 300}, {435, 66}, {165, 66}, {30, 299}, {164, 533}, {434, 533}}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE("n = " + std::to_string(row.n));
        clearGraphState();
        graph.vertexCount = row.n;
        layOutOnCircle();
        expectPositions(row.positions);
    }
}

TEST(CircleLayout, EveryVertexOfEveryCountStaysOnTheCanvas)
{
    for (int n = 1; n <= maxVertices; n++) {
        clearGraphState();
        graph.vertexCount = n;
        layOutOnCircle();
        for (int k = 1; k <= n; k++) {
            ASSERT_GE(graph.posX[k], 30) << n;
            ASSERT_LE(graph.posX[k], 570) << n;
            ASSERT_GE(graph.posY[k], 30) << n;
            ASSERT_LE(graph.posY[k], 570) << n;
        }
    }
}

TEST(InitialFile, LoadsCountsEdgesAndCircle)
{
    TempFolder folder;
    writeBytes("RuriDU.in", "5 0\n");
    clearGraphState();
    selectedVertex = 3;
    secondVertex = 2;
    loadInitialGraph();
    EXPECT_EQ(graph.vertexCount, 5);
    EXPECT_EQ(graph.edgeCount, 0);
    EXPECT_EQ(graph.removedCount, 0);
    EXPECT_EQ(selectedVertex, 0);
    EXPECT_EQ(secondVertex, 0);
    expectPositions({{570, 300}});

    writeBytes("RuriDU.in", "4\t3\r\n1 2 7\r\n  2 4 3 3 4\n1\n trailing words are ignored");
    clearGraphState();
    loadInitialGraph();
    EXPECT_EQ(graph.vertexCount, 4);
    EXPECT_EQ(graph.edgeCount, 3);
    EXPECT_EQ(graph.cost[1][2], 7);
    EXPECT_EQ(graph.cost[2][1], 7);
    EXPECT_EQ(graph.cost[3][4], 1);
    EXPECT_EQ(graph.degree[4], 2);
    expectPositions({{570, 300}, {300, 30}, {30, 299}, {299, 570}});
}

TEST(InitialFile, MissingOrMalformedLeavesTheGraphEmpty)
{
    TempFolder folder;
    const char* texts[] = {nullptr, "", "3 2\n1 2 5\n", "3 1\n1 1 5\n", "120 0\n"};
    for (const char* text : texts) {
        SCOPED_TRACE(text ? text : "(no file)");
        std::filesystem::remove("RuriDU.in");
        if (text)
            writeBytes("RuriDU.in", text);
        clearGraphState();
        loadInitialGraph();
        EXPECT_EQ(graph.vertexCount, 0);
        EXPECT_EQ(graph.edgeCount, 0);
        EXPECT_EQ(graph.cost[1][2], 0);
    }
}

TEST(InitialFile, SavedFileLoadsWithEveryVertexOnTheCircle)
{
    TempFolder folder;
    makeSevenLineExample();
    setFileName("RuriDU.in");
    ASSERT_TRUE(saveGraphFile());
    clearGraphState();
    loadInitialGraph();
    EXPECT_EQ(graph.vertexCount, 4);
    EXPECT_EQ(graph.removedCount, 0);
    EXPECT_EQ(graph.removed[3], 0);
    EXPECT_EQ(graph.edgeCount, 2);
    EXPECT_EQ(graph.cost[2][4], 3);
    expectPositions({{570, 300}, {300, 30}, {30, 299}, {299, 570}});
}

TEST(SavedFile, SevenLineExampleIsWrittenByteForByte)
{
    TempFolder folder;
    makeSevenLineExample();
    setFileName("graf.txt");
    ASSERT_TRUE(saveGraphFile());
    const char* lines[] = {"4", "2", "1 2 7", "2 4 3", "1 570 300", "2 300 30", "4 299 570"};
    std::string expected;
    for (const char* line : lines)
        expected += line + lineEnd;
    EXPECT_EQ(readBytes("graf.txt"), expected);
    // Nothing but the target is left in the folder.
    int files = 0;
    for (auto& entry : std::filesystem::directory_iterator(folder.path()))
        files += entry.is_regular_file();
    EXPECT_EQ(files, 1);
}

TEST(SavedFile, GraphWithoutEdgesHasOnlyVertexLines)
{
    TempFolder folder;
    makeGraph(2, {});
    placeVertex(1, 10, 20);
    placeVertex(2, 30, 40);
    setFileName("gol.txt");
    ASSERT_TRUE(saveGraphFile());
    EXPECT_EQ(readBytes("gol.txt"), "2" + lineEnd + "0" + lineEnd + "1 10 20" + lineEnd +
                                        "2 30 40" + lineEnd);
}

TEST(SavedFile, SaveThenReadReproducesTheGraph)
{
    TempFolder folder;
    makeGraph(6, {{1, 2, 9}, {2, 6, 1}, {4, 6, 100000}, {1, 4, 3}});
    removeTestVertex(3);
    placeVertex(6, 0, 0);
    placeVertex(5, 755, 650);
    GraphState saved = graph;
    setFileName("copie.txt");
    ASSERT_TRUE(saveGraphFile());

    makeGraph(2, {{1, 2, 1}});
    selectedVertex = 2;
    ASSERT_EQ(readSavedGraph("copie.txt"), readOk);
    EXPECT_EQ(selectedVertex, 0);
    EXPECT_EQ(graph.removedCount, 1);
    EXPECT_TRUE(sameSavedGraph(graph, saved));
}

TEST(SavedFile, RemovedVertexRoundTrips)
{
    TempFolder folder;
    makeSevenLineExample();
    setFileName("g.txt");
    ASSERT_TRUE(saveGraphFile());
    clearGraphState();
    ASSERT_EQ(readSavedGraph("g.txt"), readOk);
    EXPECT_EQ(graph.vertexCount, 4);
    EXPECT_EQ(graph.removed[3], 1);
    EXPECT_EQ(graph.removedCount, 1);
}

TEST(SavedFile, SmallerGraphClearsRemovedFlagsAboveItsCount)
{
    TempFolder folder;
    writeBytes("mic.txt", "3\n1\n1 3 4\n1 100 100\n2 200 100\n3 300 300\n");
    makeGraph(6, {});
    removeTestVertex(5);
    ASSERT_EQ(readSavedGraph("mic.txt"), readOk);
    EXPECT_EQ(graph.removed[5], 0);
    EXPECT_EQ(graph.removedCount, 0);
    EXPECT_EQ(graph.vertexCount, 3);
}

TEST(SavedFile, InitialFormatIsLaidOutOnTheCircle)
{
    TempFolder folder;
    writeBytes("initial.txt", "4 2\n1 2 3\n3 4 5\n");
    makeGraph(2, {});
    ASSERT_EQ(readSavedGraph("initial.txt"), readOk);
    EXPECT_EQ(graph.removedCount, 0);
    EXPECT_EQ(graph.edgeCount, 2);
    expectPositions({{570, 300}, {300, 30}, {30, 299}, {299, 570}});
}

TEST(SavedFile, MissingFileChangesNothing)
{
    TempFolder folder;
    makeGraph(3, {{1, 2, 5}});
    selectedVertex = 2;
    GraphState before = graph;
    EXPECT_EQ(readSavedGraph("nu-exista.txt"), readCannotOpen);
    EXPECT_EQ(readSavedGraph(""), readCannotOpen);
    EXPECT_TRUE(sameGraphState(graph, before));
    EXPECT_EQ(selectedVertex, 2);
}

TEST(SavedFile, MalformedFilesAreRefusedWholeWithTheirReason)
{
    struct Row {
        const char* text;
        ReadProblem problem;
    };
    const Row rows[] = {
        {"", readBadVertexCount},
        {"abc", readBadVertexCount},
        {"-1 0", readBadVertexCount},
        {"100 0", readBadVertexCount},
        {"99999999999999999999 0", readBadVertexCount},
        {"3", readBadEdgeCount},
        {"3 x", readBadEdgeCount},
        {"3 -1", readBadEdgeCount},
        {"3 4", readBadEdgeCount}, // a triangle has at most 3 edges
        {"3 2\n1 2 5\n", readMissingEdges},
        {"3 2\n1 2 5\n2 3", readMissingEdges},
        {"3 1\n1 4 5\n", readBadEndpoint},
        {"3 1\n0 2 5\n", readBadEndpoint},
        {"3 1\n2 2 5\n", readSelfLoop},
        {"3 2\n1 2 5\n2 1 6\n", readRepeatedEdge},
        {"3 1\n1 2 0\n", readBadCost},
        {"3 1\n1 2 -4\n", readBadCost},
        {"3 1\n1 2 100001\n", readBadCost},
        {"3 0\n4 10 10\n", readBadVertexLine},
        {"3 0\n0 10 10\n", readBadVertexLine},
        {"3 0\n1 10 10\n1 20 20\n", readRepeatedVertexLine},
        {"3 0\n1 10\n", readIncompleteVertexLine},
        {"3 0\n1 10 x\n", readIncompleteVertexLine},
        {"3 0\n1 -1 10\n", readBadPosition},
        {"3 0\n1 756 10\n", readBadPosition},
        {"3 0\n1 10 651\n", readBadPosition},
        {"3 1\n1 2 5\n1 10 10\n3 10 10\n", readEdgeWithoutVertex},
    };
    TempFolder folder;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        writeBytes("rau.txt", row.text);
        makeGraph(5, {{1, 2, 8}, {3, 4, 2}});
        removeTestVertex(5);
        selectedVertex = 3;
        GraphState before = graph;
        EXPECT_EQ(readSavedGraph("rau.txt"), row.problem);
        EXPECT_TRUE(sameGraphState(graph, before));
        EXPECT_EQ(selectedVertex, 3);
    }
}

TEST(SavedFile, AcceptsSignsAnyWhitespaceAndStopsAtTheFirstNonNumber)
{
    TempFolder folder;
    writeBytes("ok.txt", "+3\t1\r\n1 3 +12\n\n 1 5 6\r\n3\t7 8 sfarsit 2 9 9");
    clearGraphState();
    ASSERT_EQ(readSavedGraph("ok.txt"), readOk);
    EXPECT_EQ(graph.cost[3][1], 12);
    EXPECT_EQ(graph.removed[2], 1);
    EXPECT_EQ(graph.posX[3], 7);
    EXPECT_EQ(graph.posY[1], 6);
}

TEST(SaveFailure, LeavesThePreviousFileAndReportsFailure)
{
    TempFolder folder;
    makeGraph(2, {{1, 2, 3}});
    GraphState before = graph;
    std::filesystem::create_directory("dosar");
    writeBytes("vechi.txt", "old contents");
    const char* names[] = {"lipsa/graf.txt", "dosar", ""};
    for (const char* name : names) {
        SCOPED_TRACE(name);
        setFileName(name);
        EXPECT_FALSE(saveGraphFile());
    }
    EXPECT_TRUE(std::filesystem::is_directory("dosar"));
    EXPECT_TRUE(std::filesystem::is_empty("dosar"));
    int files = 0;
    for (auto& entry : std::filesystem::directory_iterator(folder.path()))
        files += entry.is_regular_file();
    EXPECT_EQ(files, 1); // no temporary file left behind
    EXPECT_EQ(readBytes("vechi.txt"), "old contents");
    EXPECT_TRUE(sameGraphState(graph, before));
}

// A read-only file is never overwritten. (Windows refuses the move by itself; under Wine and on
// POSIX the program's own check is what refuses it.)
TEST(SaveFailure, ReadOnlyTargetStaysAsItWas)
{
    TempFolder folder;
    makeGraph(2, {{1, 2, 3}});
    writeBytes("protejat.txt", "old contents");
    std::filesystem::permissions("protejat.txt", std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::remove);
    setFileName("protejat.txt");
    EXPECT_FALSE(saveGraphFile());
    EXPECT_EQ(readBytes("protejat.txt"), "old contents");
}

#ifdef _WIN32
// Another program holds the file open without sharing: the file cannot be replaced now, and
// can once it is closed. (Share modes are Windows semantics; Wine keeps them too.)
TEST(SaveFailure, TargetHeldOpenWithoutSharing)
{
    TempFolder folder;
    makeGraph(2, {{1, 2, 3}});
    writeBytes("deschis.txt", "old contents");
    HANDLE held = CreateFileA("deschis.txt", GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    setFileName("deschis.txt");
    EXPECT_FALSE(saveGraphFile());
    CloseHandle(held);
    EXPECT_EQ(readBytes("deschis.txt"), "old contents");
    EXPECT_FALSE(std::filesystem::exists("deschis.txt.salvare~"));
    EXPECT_TRUE(saveGraphFile());
}
#else
// A write that fails half way (here: the file size limit, as a full disk would): the old
// file stays whole and no temporary file is left.
TEST(SaveFailure, FailingWriteKeepsThePreviousFile)
{
    TempFolder folder;
    makeCompleteGraph(maxVertices, [](int u, int v) { return u * v; });
    writeBytes("mare.txt", "old contents");
    rlimit limit;
    getrlimit(RLIMIT_FSIZE, &limit);
    rlimit small = limit;
    small.rlim_cur = 4096;
    std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &small);
    setFileName("mare.txt");
    bool saved = saveGraphFile();
    setrlimit(RLIMIT_FSIZE, &limit);
    EXPECT_FALSE(saved);
    EXPECT_EQ(readBytes("mare.txt"), "old contents");
    EXPECT_FALSE(std::filesystem::exists("mare.txt.salvare~"));
}
#endif

TEST(FileNames, CompareFoldsOnlyAsciiLetters)
{
    EXPECT_TRUE(sameNameIgnoringCase("RURIDU.IN", "RuriDU.in"));
    EXPECT_TRUE(sameNameIgnoringCase("ruridu.in", "RuriDU.in"));
    EXPECT_FALSE(sameNameIgnoringCase("RuriDU.in ", "RuriDU.in"));
    EXPECT_FALSE(sameNameIgnoringCase("./RuriDU.in", "RuriDU.in"));
    EXPECT_FALSE(sameNameIgnoringCase("RuriDU.i", "RuriDU.in"));
    EXPECT_FALSE(sameNameIgnoringCase("\xC2", "\xE2")); // accented letters are not folded
    EXPECT_TRUE(sameNameIgnoringCase("", ""));
}
