#include "win32/harness.h"

#include <cstring>

#include "algorithms/mst_steps.h"
#include "graph/graph_files.h"
#include "graph/graph_state.h"
#include "support/graph_builder.h"
#include "ui/control_panel.h"

namespace {

const char kruskalTitle[] = "Algoritmul lui Kruskal pentru determinarea A.P.M.";
const char primTitle[] = "Algoritmul lui Prim pentru determinarea A.P.M.";

// The worked example: [1,2] 2, [1,3] 2, [1,4] 5, [2,3] 1, [3,4] 2, on a square.
void makeWorkedExample()
{
    makeGraph(4, {{1, 2, 2}, {1, 3, 2}, {1, 4, 5}, {2, 3, 1}, {3, 4, 2}});
    placeVertex(1, 100, 100);
    placeVertex(2, 400, 100);
    placeVertex(3, 400, 400);
    placeVertex(4, 100, 400);
}

// What the canvas and the status bar hold while one box is open.
struct WhileOpen {
    std::string status;
    bool repaintPending;
    std::string marks; // marks of [1,2] [1,3] [1,4] [2,3] [3,4], e.g. "00030"
};

std::vector<WhileOpen> observed;

void observeEachBox(HWND window)
{
    observed.clear();
    boxes::whileOpen = [window](HWND) {
        WhileOpen now;
        now.status = statusText(1);
        now.repaintPending = GetUpdateRect(window, nullptr, FALSE);
        const int pairs[5][2] = {{1, 2}, {1, 3}, {1, 4}, {2, 3}, {3, 4}};
        for (auto& p : pairs) {
            EXPECT_EQ(graph.edgeMark[p[0]][p[1]], graph.edgeMark[p[1]][p[0]]);
            now.marks += (char)('0' + graph.edgeMark[p[0]][p[1]]);
        }
        observed.push_back(now);
    };
}

bool allMarksClear()
{
    for (int u = 0; u < vertexSlots; u++)
        for (int v = 0; v < vertexSlots; v++)
            if (graph.edgeMark[u][v] != 0)
                return false;
    return true;
}

void expectBesideTheCanvas(HWND window)
{
    RECT main;
    GetWindowRect(window, &main);
    for (const SeenBox& box : boxes::seen()) {
        SCOPED_TRACE(box.text);
        EXPECT_TRUE(box.hasOk);
        EXPECT_TRUE(box.hasCancel);
        EXPECT_EQ(box.rect.left, main.left + 780);
        EXPECT_EQ(box.rect.top, main.top + 240);
    }
}

} // namespace

using MstPresentationTest = MainWindowTest;

TEST_F(MstPresentationTest, KruskalWorkedExampleBoxByBox)
{
    makeWorkedExample();
    observeEachBox(window);
    boxes::answer({IDOK, IDOK, IDOK, IDOK, IDOK});
    command(window, 5);
    expectBoxes({{"La pasul 1 s-a ales muchia [2,3] de cost 1", "A.P.M. Kruskal", false},
                 {"La pasul 2 s-a ales muchia [1,3] de cost 2", "A.P.M. Kruskal", false},
                 {"La pasul 3 NU s-a ales muchia [1,2] de cost 2", "A.P.M. Kruskal", false},
                 {"La pasul 4 s-a ales muchia [3,4] de cost 2", "A.P.M. Kruskal", false},
                 {"Costul total al A.P.M. este 5", "APM Kruskal", false}});
    expectBesideTheCanvas(window);
    // Each box finds its own edge marked and the canvas waiting to be repainted; [1,4] is
    // never examined.
    const char* marks[] = {"00030", "03030", "13030", "13033", "13033"};
    ASSERT_EQ(observed.size(), 5u);
    for (int i = 0; i < 5; i++) {
        SCOPED_TRACE(i + 1);
        EXPECT_EQ(observed[i].marks, marks[i]);
        EXPECT_EQ(observed[i].status, kruskalTitle);
        EXPECT_TRUE(observed[i].repaintPending);
    }
    EXPECT_TRUE(allMarksClear());
    EXPECT_EQ(statusText(1), " ");
    EXPECT_TRUE(GetUpdateRect(window, nullptr, FALSE));
}

TEST_F(MstPresentationTest, StepColoursAreWhatThePaintOfAnOpenBoxShows)
{
    makeWorkedExample();
    std::vector<std::vector<COLORREF>> seenColours;
    boxes::whileOpen = [&](HWND) {
        PaintCapture picture;
        // Points on [1,2] (top), [2,3] (right) and [3,4] (bottom), away from the labels.
        seenColours.push_back({picture.at(200, 100), picture.at(400, 180), picture.at(200, 400)});
    };
    boxes::answer({IDOK, IDOK, IDOK, IDOK, IDOK});
    command(window, 5);
    const COLORREF red = RGB(255, 0, 0), blue = RGB(0, 0, 255), black = 0;
    ASSERT_EQ(seenColours.size(), 5u);
    EXPECT_EQ(seenColours[0], (std::vector<COLORREF>{black, blue, black}));
    EXPECT_EQ(seenColours[2], (std::vector<COLORREF>{red, blue, black}));
    EXPECT_EQ(seenColours[4], (std::vector<COLORREF>{red, blue, blue}));
    PaintCapture after;
    EXPECT_EQ(after.at(200, 100), black);
    EXPECT_EQ(after.at(400, 180), black);
}

TEST_F(MstPresentationTest, CancelSkipsTheRemainingStepBoxesButNotTheTotal)
{
    makeWorkedExample();
    observeEachBox(window);
    boxes::answer({IDOK, IDCANCEL, IDOK});
    command(window, 5);
    expectBoxes({{"La pasul 1 s-a ales muchia [2,3] de cost 1", "A.P.M. Kruskal", false},
                 {"La pasul 2 s-a ales muchia [1,3] de cost 2", "A.P.M. Kruskal", false},
                 {"Costul total al A.P.M. este 5", "APM Kruskal", false}});
    ASSERT_EQ(observed.size(), 3u);
    EXPECT_EQ(observed[2].marks, "13033"); // the silent steps are marked behind the final box
    EXPECT_TRUE(allMarksClear());
}

TEST_F(MstPresentationTest, CancelOnTheFinalBoxEndsLikeOkAndTheNextRunShowsEveryStep)
{
    makeWorkedExample();
    boxes::answer({IDOK, IDOK, IDOK, IDOK, IDCANCEL});
    command(window, 5);
    EXPECT_EQ(boxes::seen().size(), 5u);
    EXPECT_TRUE(allMarksClear());
    EXPECT_EQ(statusText(1), " ");

    boxes::reset();
    boxes::answer({IDOK, IDOK, IDOK, IDOK, IDOK});
    command(window, 5);
    EXPECT_EQ(boxes::seen().size(), 5u);
}

TEST_F(MstPresentationTest, PrimWorkedExampleAfterARunEndedWithCancel)
{
    makeWorkedExample();
    boxes::answer({IDCANCEL, IDOK});
    command(window, 5);
    ASSERT_EQ(boxes::seen().size(), 2u);

    boxes::reset();
    observeEachBox(window);
    boxes::answer({IDOK, IDOK, IDOK, IDOK});
    command(window, 6);
    expectBoxes({{"La pasul 1 s-a ales muchia [2,3] de cost 1", "A.P.M. Prim", false},
                 {"La pasul 2 s-a ales muchia [1,2] de cost 2", "A.P.M. Prim", false},
                 {"La pasul 3 s-a ales muchia [3,4] de cost 2", "A.P.M. Prim", false},
                 {"Costul total al A.P.M. este 5", "APM Prim", false}});
    expectBesideTheCanvas(window);
    const char* marks[] = {"00030", "30030", "30033", "30033"};
    ASSERT_EQ(observed.size(), 4u);
    for (int i = 0; i < 4; i++) {
        EXPECT_EQ(observed[i].marks, marks[i]) << i + 1;
        EXPECT_EQ(observed[i].status, primTitle) << i + 1;
    }
    EXPECT_TRUE(allMarksClear());
    EXPECT_EQ(statusText(1), " ");
}

TEST_F(MstPresentationTest, SinglePresentVertexGoesStraightToATotalOfZero)
{
    for (int id : {5, 6}) {
        SCOPED_TRACE(id);
        makeGraph(3, {});
        removeTestVertex(1);
        removeTestVertex(3);
        boxes::reset();
        observeEachBox(window);
        boxes::answer({IDOK});
        command(window, id);
        ASSERT_EQ(boxes::seen().size(), 1u);
        EXPECT_EQ(boxes::seen()[0].text, "Costul total al A.P.M. este 0");
        EXPECT_EQ(observed[0].status, id == 5 ? kruskalTitle : primTitle);
        EXPECT_EQ(statusText(1), " ");
    }
}

TEST_F(MstPresentationTest, GraphThatIsNotConnectedIsRefusedAndNothingChanges)
{
    const char* captions[] = {"A.P.M. Kruskal", "A.P.M. Prim"};
    const int ids[] = {5, 6};
    for (int i = 0; i < 2; i++) {
        SCOPED_TRACE(captions[i]);
        makeGraph(3, {{1, 2, 4}});
        for (int k = 0; k <= maxEdges; k++)
            edgeList[k] = {9, 9, 9};
        pumpMessages();
        boxes::reset();
        boxes::answer({IDOK});
        command(window, ids[i]);
        expectBoxes({{"Graful trebuie sa fie conex pentru a obtine A.P.M.", captions[i], false}});
        const SeenBox& box = boxes::seen()[0];
        EXPECT_TRUE(box.hasOk);
        EXPECT_FALSE(box.hasCancel);
        RECT main;
        GetWindowRect(window, &main);
        EXPECT_FALSE(box.rect.left == main.left + 780 && box.rect.top == main.top + 240);
        EXPECT_EQ(statusText(1), "Autor: Orvendal");
        EXPECT_TRUE(allMarksClear());
        EXPECT_EQ(edgeList[1].u, 9); // the edge list is not rebuilt
    }
}

// The largest graph through the whole program: read from a file, painted, both algorithms to
// the end with OK on every box and with Cancel at the first, saved and read back.
TEST_F(MstPresentationTest, LargestGraphThroughTheWholeProgram)
{
    makeCompleteGraph(maxVertices, [](int u, int v) { return 1 + (u * 7 + v * 13) % 50; });
    layOutOnCircle();
    GraphState complete = graph;
    std::snprintf(textBuffer, sizeof textBuffer, "complet.txt");
    ASSERT_TRUE(saveGraphFile());
    makeGraph(2, {{1, 2, 1}});

    setText(fileNameBox, "complet.txt");
    command(window, 8);
    EXPECT_TRUE(boxes::seen().empty());
    EXPECT_TRUE(sameSavedGraph(graph, complete));
    PaintCapture picture;
    EXPECT_EQ(picture.at(570, 300 + 9), RGB(255, 255, 255)); // vertex 1 drawn, not selected
    EXPECT_TRUE(picture.defaultsRestored);

    for (int id : {5, 6}) {
        SCOPED_TRACE(id);
        boxes::reset();
        boxes::responder = [](const SeenBox&) { return IDOK; };
        command(window, id);
        int steps = (int)boxes::seen().size() - 1;
        EXPECT_GE(steps, 98);
        EXPECT_EQ(boxes::seen().back().caption, id == 5 ? "APM Kruskal" : "APM Prim");
        std::string total = boxes::seen().back().text;
        boxes::reset();
        boxes::answer({IDCANCEL, IDOK});
        command(window, id);
        ASSERT_EQ(boxes::seen().size(), 2u);
        EXPECT_EQ(boxes::seen().back().text, total);
        EXPECT_TRUE(allMarksClear());
    }

    boxes::reset();
    boxes::answer({IDOK});
    setText(fileNameBox, "copie.txt");
    command(window, 9);
    expectBoxes({{"Graful a fost salvat in fisier", "Salvare graf", false}});
    makeGraph(1, {});
    command(window, 8);
    EXPECT_TRUE(sameSavedGraph(graph, complete));
}
