#include "win32/harness.h"

#include "graph/graph_state.h"
#include "support/graph_builder.h"
#include "support/invariants.h"
#include "ui/control_panel.h"

namespace {

const char freeZone[] = "Alegeti o zona libera!";
const char noVertex[] = "Nu ati selectat varful!";
const char noSecond[] = "Nu ati selectat cel de-al doilea varf";
const char badCost[] = "Costul muchiei este incorect";
const char firstEdgePrompt[] = " Selectati primul varf al muchiei ";
const char secondEdgePrompt[] = " Selectati cel de-al doilea varf al muchiei ";
const char movePrompt[] = " Selectati varful pe care doriti sa-l deplasati ";
const char newPlacePrompt[] = " Marcati noua pozitie intr-o zona libera ";
const char addPrompt[] = " Marcati pozitia noului varf intr-o zona libera";

// Five vertices: 1 (100,100), 2 (300,100), 3 (300,300), 4 (600,500) without edges, and 5
// (745,300) next to the separator; edges 1-2 of cost 5 and 2-3 of cost 7.
void makeFixture()
{
    makeGraph(5, {{1, 2, 5}, {2, 3, 7}});
    placeVertex(1, 100, 100);
    placeVertex(2, 300, 100);
    placeVertex(3, 300, 300);
    placeVertex(4, 600, 500);
    placeVertex(5, 745, 300);
}

struct EditCase {
    const char* name;
    int action;                       // radio button id
    std::vector<POINT> presses;
    std::vector<ExpectedBox> boxes;   // in order, each answered OK
    const char* prompt;               // status part 1 afterwards
    std::function<void()> expectGraph;
    std::function<void()> setup = [] {};
    const char* costText = "5";
};

} // namespace

class EditingTest : public MainWindowTest {
protected:
    void runCases(const std::vector<EditCase>& cases)
    {
        for (const EditCase& c : cases) {
            SCOPED_TRACE(c.name);
            setText(costBox, c.costText);
            makeFixture();
            c.setup();
            chooseAction(window, c.action);
            pumpMessages();
            boxes::reset();
            for (size_t i = 0; i < c.boxes.size(); i++)
                boxes::answer({IDOK});
            for (POINT p : c.presses) {
                press(window, p.x, p.y);
                EXPECT_TRUE(GetUpdateRect(window, nullptr, FALSE)) << "every press repaints";
                EXPECT_EQ(graphInvariantViolation(), "");
                pumpMessages();
            }
            expectBoxes(c.boxes);
            EXPECT_EQ(statusText(1), c.prompt);
            c.expectGraph();
        }
    }
};

TEST_F(EditingTest, NoActionOnlyRepaints)
{
    runCases({{"press on a vertex", 107, {{100, 100}, {500, 500}}, {}, " ", [] {
                   EXPECT_EQ(graph.vertexCount, 5);
                   EXPECT_EQ(selectedVertex, 0);
               }}});
}

TEST_F(EditingTest, AddVertex)
{
    auto added = [](int number, int x, int y) {
        return [=] {
            EXPECT_EQ(graph.vertexCount, number);
            EXPECT_EQ(graph.posX[number], x);
            EXPECT_EQ(graph.posY[number], y);
            EXPECT_EQ(graph.removed[number], 0);
            EXPECT_EQ(selectedVertex, 0);
        };
    };
    auto nothingAdded = [] {
        EXPECT_EQ(graph.vertexCount, 5);
        EXPECT_EQ(selectedVertex, 0);
    };
    const char cap[] = "Adaugare varf";
    runCases({
        {"free zone", 101, {{500, 200}}, {}, addPrompt, added(6, 500, 200)},
        {"the band of a horizontal edge spans the canvas", 101, {{500, 114}},
         {{freeZone, cap, true}}, addPrompt, nothingAdded},
        {"x = 755 is on the canvas", 101, {{755, 500}}, {}, addPrompt, added(6, 755, 500)},
        {"x = 756 is not", 101, {{756, 500}}, {{freeZone, cap, true}}, addPrompt, nothingAdded},
        {"within 24 px of a vertex", 101, {{120, 110}}, {{freeZone, cap, true}}, addPrompt,
         nothingAdded},
        {"in the zone of an edge", 101, {{200, 110}}, {{freeZone, cap, true}}, addPrompt,
         nothingAdded},
        {"a removed vertex's place is free again and its number is not reused", 101,
         {{600, 500}}, {}, addPrompt, added(6, 600, 500), [] { removeTestVertex(4); }},
        {"two adds", 101, {{500, 200}, {500, 260}}, {}, addPrompt, added(7, 500, 260)},
        {"the limit of 99 vertices", 101, {{700, 600}},
         {{"Numarul maxim de varfuri (99) a fost atins!", cap, true}}, addPrompt,
         [] { EXPECT_EQ(graph.vertexCount, 99); },
         [] {
             for (int k = 6; k <= 99; k++)
                 placeVertex(k, 40 + 7 * (k % 90), 630);
             graph.vertexCount = 99;
         }},
    });
}

TEST_F(EditingTest, RemoveVertex)
{
    const char cap[] = "Eliminare varf";
    runCases({
        {"with all its edges", 102, {{300, 100}}, {}, " Selectati varful pe care doriti sa-l eliminati ",
         [] {
             EXPECT_EQ(graph.removed[2], 1);
             EXPECT_EQ(graph.removedCount, 1);
             EXPECT_EQ(graph.vertexCount, 5);
             EXPECT_EQ(graph.edgeCount, 0);
             EXPECT_EQ(graph.degree[1], 0);
             EXPECT_EQ(graph.degree[2], 0);
             EXPECT_EQ(graph.degree[3], 0);
             EXPECT_EQ(graph.cost[1][2] + graph.cost[2][1] + graph.cost[3][2], 0);
             EXPECT_EQ(selectedVertex, 0);
         }},
        {"no vertex hit", 102, {{500, 100}}, {{noVertex, cap, true}},
         " Selectati varful pe care doriti sa-l eliminati ",
         [] { EXPECT_EQ(graph.removedCount, 0); }},
        {"the last present vertex stays, chosen", 102, {{600, 500}},
         {{"Nu se poate elimina ultimul varf!", cap, true}},
         " Selectati varful pe care doriti sa-l eliminati ",
         [] {
             EXPECT_EQ(graph.removed[4], 0);
             EXPECT_EQ(selectedVertex, 4);
         },
         [] {
             for (int k : {1, 2, 3, 5})
                 removeTestVertex(k);
         }},
    });
}

TEST_F(EditingTest, LastVertexRefusalLeavesItDrawnRed)
{
    makeGraph(2, {});
    placeVertex(2, 400, 400);
    removeTestVertex(1);
    chooseAction(window, 102);
    boxes::answer({IDOK});
    press(window, 400, 400);
    PaintCapture picture;
    EXPECT_EQ(picture.at(400, 409), RGB(255, 0, 0));
}

TEST_F(EditingTest, Degree)
{
    const char cap[] = "Grad varf";
    const char prompt[] = " Selectati varful pentru care doriti gradul ";
    auto noneChosen = [] { EXPECT_EQ(selectedVertex, 0); };
    runCases({
        {"vertex without edges", 103, {{600, 500}}, {{"Gradul varfului 4 este 0", cap, false}},
         prompt, noneChosen},
        {"vertex with two edges", 103, {{290, 110}}, {{"Gradul varfului 2 este 2", cap, false}},
         prompt, noneChosen},
        {"no vertex", 103, {{500, 300}}, {{noVertex, cap, true}}, prompt, noneChosen},
    });
}

TEST_F(EditingTest, DegreeBoxShowsTheVertexChosen)
{
    makeFixture();
    chooseAction(window, 103);
    int chosenWhileOpen = -1;
    boxes::whileOpen = [&](HWND) { chosenWhileOpen = selectedVertex; };
    boxes::answer({IDOK});
    press(window, 600, 500);
    EXPECT_EQ(chosenWhileOpen, 4);
}

TEST_F(EditingTest, MoveVertex)
{
    const char cap[] = "Deplasare varf";
    auto at = [](int k, int x, int y) {
        return [=] {
            EXPECT_EQ(graph.posX[k], x);
            EXPECT_EQ(graph.posY[k], y);
            EXPECT_EQ(graph.vertexCount, 5);
        };
    };
    runCases({
        {"two presses", 104, {{600, 500}, {500, 400}}, {}, movePrompt, [=] {
             at(4, 500, 400)();
             EXPECT_EQ(selectedVertex, 0);
             EXPECT_EQ(secondVertex, 0);
         }},
        {"the vertex keeps its edges", 104, {{100, 100}, {150, 400}}, {}, movePrompt, [=] {
             at(1, 150, 400)();
             EXPECT_EQ(graph.cost[1][2], 5);
         }},
        {"first press misses", 104, {{500, 300}}, {{noVertex, cap, true}}, movePrompt,
         [] { EXPECT_EQ(selectedVertex, 0); }},
        {"first press chooses", 104, {{600, 500}}, {}, newPlacePrompt,
         [] { EXPECT_EQ(selectedVertex, 4); }},
        {"24 px from itself is refused, then a free place is taken", 104,
         {{600, 500}, {624, 500}, {625, 500}}, {{freeZone, cap, true}}, movePrompt,
         at(4, 625, 500)},
        {"refusal keeps it chosen", 104, {{600, 500}, {610, 510}}, {{freeZone, cap, true}},
         newPlacePrompt, [] { EXPECT_EQ(selectedVertex, 4); }},
        {"the zone of its own edge", 104, {{100, 100}, {200, 110}}, {{freeZone, cap, true}},
         newPlacePrompt, at(1, 100, 100)},
        {"beyond x = 755", 104, {{600, 500}, {756, 500}}, {{freeZone, cap, true}},
         newPlacePrompt, at(4, 600, 500)},
    });
}

TEST_F(EditingTest, AddEdge)
{
    const char cap[] = "Adauga muchie";
    auto edge13 = [](int cost) {
        return [=] {
            EXPECT_EQ(graph.cost[1][3], cost);
            EXPECT_EQ(graph.cost[3][1], cost);
            EXPECT_EQ(graph.edgeCount, cost ? 3 : 2);
            EXPECT_EQ(graph.degree[1], cost ? 2 : 1);
            EXPECT_EQ(graph.degree[3], cost ? 2 : 1);
            EXPECT_EQ(selectedVertex, 0);
        };
    };
    auto unchanged = [] { EXPECT_EQ(graph.edgeCount, 2); };
    EditCase cases[] = {
        {"cost 12a reads 12", 105, {{100, 100}, {300, 300}}, {}, firstEdgePrompt, edge13(12)},
        {"cost 1234 reads 123", 105, {{300, 300}, {100, 100}}, {}, firstEdgePrompt, edge13(123)},
        {"cost -5", 105, {{100, 100}, {300, 300}}, {{badCost, cap, false}, {badCost, cap, false}},
         firstEdgePrompt, edge13(0)},
        {"cost abc", 105, {{100, 100}}, {{badCost, cap, false}}, firstEdgePrompt, edge13(0)},
        {"empty cost", 105, {{100, 100}}, {{badCost, cap, false}}, firstEdgePrompt, edge13(0)},
        {"first vertex chosen", 105, {{100, 100}}, {}, secondEdgePrompt,
         [] { EXPECT_EQ(selectedVertex, 1); }},
        {"first press misses", 105, {{500, 100}}, {{noVertex, cap, true}}, firstEdgePrompt,
         [] { EXPECT_EQ(selectedVertex, 0); }},
        {"the edge exists, from either end", 105, {{300, 100}, {100, 100}},
         {{"Aceasta muchie exista deja!", cap, false}}, firstEdgePrompt, [=] {
             unchanged();
             EXPECT_EQ(graph.cost[1][2], 5);
             EXPECT_EQ(selectedVertex, 0);
         }},
        {"second press misses, the first stays chosen", 105, {{100, 100}, {500, 100}},
         {{noSecond, cap, true}}, secondEdgePrompt, [] { EXPECT_EQ(selectedVertex, 1); }},
        {"second press on a vertex beyond x = 755", 105, {{100, 100}, {760, 300}},
         {{noSecond, cap, true}}, secondEdgePrompt, [] { EXPECT_EQ(selectedVertex, 1); }},
        {"first press beyond x = 755 is fine", 105, {{760, 300}, {300, 300}}, {},
         firstEdgePrompt, [] { EXPECT_EQ(graph.cost[5][3], 5); }},
        {"a loop is refused and the first vertex stays chosen", 105, {{100, 100}, {105, 95}},
         {{"Alegeti un varf diferit de primul varf al muchiei!", cap, true}}, secondEdgePrompt,
         [] {
             EXPECT_EQ(graph.cost[1][1], 0);
             EXPECT_EQ(graph.edgeCount, 2);
             EXPECT_EQ(selectedVertex, 1);
         }},
    };
    cases[0].costText = "12a";
    cases[1].costText = "1234";
    cases[2].costText = "-5";
    cases[3].costText = "abc";
    cases[4].costText = "";
    runCases(std::vector<EditCase>(std::begin(cases), std::end(cases)));
}

TEST_F(EditingTest, CostBoxIsDisabledWhileAddingEdges)
{
    chooseAction(window, 105);
    EXPECT_FALSE(IsWindowEnabled(costBox));
    chooseAction(window, 107);
    EXPECT_TRUE(IsWindowEnabled(costBox));
}

TEST_F(EditingTest, RemoveEdge)
{
    const char cap[] = "Elimina muchie";
    runCases({
        {"two presses", 106, {{100, 100}, {300, 100}}, {}, firstEdgePrompt, [] {
             EXPECT_EQ(graph.cost[1][2], 0);
             EXPECT_EQ(graph.cost[2][1], 0);
             EXPECT_EQ(graph.edgeCount, 1);
             EXPECT_EQ(graph.degree[1], 0);
             EXPECT_EQ(graph.degree[2], 1);
             EXPECT_EQ(selectedVertex, 0);
         }},
        {"the prompt stays while the first vertex is chosen", 106, {{300, 300}}, {},
         firstEdgePrompt, [] { EXPECT_EQ(selectedVertex, 3); }},
        {"no such edge drops the first vertex", 106, {{100, 100}, {300, 300}},
         {{"Nu exista aceasta muchie!", cap, false}}, firstEdgePrompt, [] {
             EXPECT_EQ(graph.edgeCount, 2);
             EXPECT_EQ(selectedVertex, 0);
         }},
        {"first press misses", 106, {{500, 100}}, {{noVertex, cap, true}}, firstEdgePrompt,
         [] { EXPECT_EQ(selectedVertex, 0); }},
        {"second press misses", 106, {{100, 100}, {500, 500}}, {{noSecond, cap, true}},
         firstEdgePrompt, [] { EXPECT_EQ(selectedVertex, 1); }},
        {"second press beyond x = 755", 106, {{300, 300}, {760, 300}}, {{noSecond, cap, true}},
         firstEdgePrompt, [] { EXPECT_EQ(selectedVertex, 3); }},
    });
}

TEST_F(EditingTest, FirstVertexOfATwoPressActionIsDrawnRed)
{
    makeFixture();
    chooseAction(window, 106);
    press(window, 300, 300);
    PaintCapture picture;
    EXPECT_EQ(picture.at(300, 309), RGB(255, 0, 0));
    EXPECT_EQ(picture.at(100, 109), RGB(255, 255, 255));
}

TEST_F(EditingTest, DoubleClickDoesNothing)
{
    makeFixture();
    chooseAction(window, 101);
    SendMessageA(window, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(500, 100));
    EXPECT_EQ(graph.vertexCount, 5);
    EXPECT_TRUE(boxes::seen().empty());
}

// Real clicks on the empty panel, a group box and the "Cost :" label reach the canvas handler.
TEST_F(EditingTest, PressesOnTheEmptyPanelReachTheHandler)
{
    makeFixture();
    chooseAction(window, 101);
    const POINT points[] = {{790, 300}, {880, 320}, {850, 520}};
    for (POINT p : points) {
        SCOPED_TRACE(std::to_string(p.x) + "," + std::to_string(p.y));
        boxes::reset();
        boxes::answer({IDOK});
        realClick(window, p.x, p.y);
        for (int i = 0; i < 50 && boxes::seen().empty(); i++) {
            pumpMessages();
            Sleep(20);
        }
        expectBoxes({{freeZone, "Adaugare varf", true}});
        Sleep(600); // let the next click not count as a double-click
    }
}
