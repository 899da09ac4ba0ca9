#include "win32/harness.h"

#include <cstring>
#include <filesystem>

#include "graph/graph_state.h"
#include "support/graph_builder.h"
#include "ui/control_panel.h"

namespace {

const char readCaption[] = "Citire fisier";
const char saveCaption[] = "Salvare graf";
const char notSaved[] = "Graful nu a fost salvat! Fisierul nu poate fi scris.";

bool sameGraph(const GraphState& a, const GraphState& b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

} // namespace

class CommandTest : public MainWindowTest {
protected:
    // One command with its boxes answered OK; the canvas starts with nothing to repaint.
    void run(int id)
    {
        pumpMessages();
        boxes::reset();
        boxes::answer({IDOK, IDOK});
        command(window, id);
    }
    bool repaintPending() { return GetUpdateRect(window, nullptr, FALSE); }
};

TEST_F(CommandTest, ConexAndCostTotalAnswerWithoutChangingOrRepainting)
{
    struct Row {
        const char* name;
        void (*build)();
        int id;
        const char* text;
        const char* caption;
    };
    const Row rows[] = {
        {"single present vertex", [] { makeGraph(2, {}); removeTestVertex(2); }, 1,
         "Graful este conex", "Verificare conexitate"},
        {"two vertices without an edge", [] { makeGraph(2, {}); }, 1, "Graful nu este conex",
         "Verificare conexitate"},
        {"4 + 6", [] { makeGraph(3, {{1, 2, 4}, {2, 3, 6}}); }, 2, "Costul total este 10",
         "Cost total"},
        {"no edges", [] { makeGraph(3, {}); }, 2, "Costul total este 0", "Cost total"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        row.build();
        GraphState before = graph;
        run(row.id);
        expectBoxes({{row.text, row.caption, false}});
        EXPECT_FALSE(boxes::seen().empty() || boxes::seen()[0].hasCancel);
        EXPECT_TRUE(sameGraph(graph, before));
        EXPECT_FALSE(repaintPending());
    }
}

TEST_F(CommandTest, IdsOfNoCommandDoNothing)
{
    for (int id : {0, 3, 4, 7, 10, 100, 101, 108}) {
        run(id);
        EXPECT_TRUE(boxes::seen().empty()) << id;
    }
}

TEST_F(CommandTest, TheInitialFileCanBeNeitherReadNorOverwritten)
{
    writeBytes("RuriDU.in", "2 0\n");
    for (const char* name : {"RURIDU.IN", "ruridu.in", "RuriDU.in"}) {
        SCOPED_TRACE(name);
        setText(fileNameBox, name);
        makeGraph(3, {{1, 2, 5}});
        run(8);
        expectBoxes({{"Fisierul a fost citit la executia aplicatiei", "Citire graf", false}});
        EXPECT_EQ(graph.vertexCount, 3);
        EXPECT_FALSE(repaintPending());
        run(9);
        expectBoxes({{"Alegeti un nume diferit de fisierul initial!", saveCaption, false}});
        EXPECT_EQ(readBytes("RuriDU.in"), "2 0\n");
    }
}

TEST_F(CommandTest, SaveThenReadTheSameNameReproducesTheGraph)
{
    makeGraph(5, {{1, 2, 9}, {2, 5, 3}, {1, 4, 999}});
    removeTestVertex(3);
    placeVertex(5, 755, 600);
    GraphState saved = graph;
    setText(fileNameBox, "graf salvat.txt");
    run(9);
    expectBoxes({{"Graful a fost salvat in fisier", saveCaption, false}});
    EXPECT_FALSE(repaintPending());

    makeGraph(2, {{1, 2, 1}});
    selectedVertex = 1;
    chooseAction(window, 104);
    run(8);
    EXPECT_TRUE(boxes::seen().empty());
    EXPECT_TRUE(sameSavedGraph(graph, saved));
    EXPECT_EQ(selectedVertex, 0);
    EXPECT_TRUE(repaintPending());
    // The chosen action and its prompt stay.
    EXPECT_EQ(checkedActionMode(actionGroup), 4);
    EXPECT_EQ(statusText(1), " Selectati varful pe care doriti sa-l deplasati ");
}

TEST_F(CommandTest, OnlyTheFirstSeventeenCharactersNameTheFile)
{
    makeGraph(1, {});
    setText(fileNameBox, "abcdefghijklmnopqrstuvwxyz");
    run(9);
    expectBoxes({{"Graful a fost salvat in fisier", saveCaption, false}});
    EXPECT_TRUE(std::filesystem::exists("abcdefghijklmnopq"));
    EXPECT_FALSE(std::filesystem::exists("abcdefghijklmnopqr"));
    // "RuriDU.in" behind a longer name is not the initial file, once cut to 17 characters
    // it still is not.
    setText(fileNameBox, "xxxxxxxxRuriDU.in!");
    run(9);
    expectBoxes({{"Graful a fost salvat in fisier", saveCaption, false}});
    EXPECT_TRUE(std::filesystem::exists("xxxxxxxxRuriDU.in"));
}

TEST_F(CommandTest, ReadingAMissingOrMalformedFileChangesNothing)
{
    writeBytes("rau.txt", "3 1\n1 1 5\n");
    struct Row {
        const char* name;
        const char* text;
    };
    const Row rows[] = {
        {"nu-exista.txt", "Acest fisier nu exista!"},
        {"", "Acest fisier nu exista!"},
        {"rau.txt", "O muchie uneste un varf cu el insusi!"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        makeGraph(3, {{1, 2, 5}});
        selectedVertex = 2;
        GraphState before = graph;
        setText(fileNameBox, row.name);
        run(8);
        expectBoxes({{row.text, readCaption, false}});
        EXPECT_TRUE(sameGraph(graph, before));
        EXPECT_EQ(selectedVertex, 2);
        EXPECT_TRUE(repaintPending()); // repainted, unchanged
    }
}

TEST_F(CommandTest, FailedSaveIsReportedAndKeepsThePreviousFile)
{
    std::filesystem::create_directory("dosar");
    writeBytes("vechi.txt", "old");
    std::filesystem::permissions("vechi.txt", std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::remove);
    makeGraph(2, {{1, 2, 3}});
    for (const char* name : {"lipsa/graf.txt", "dosar", "", "vechi.txt"}) {
        SCOPED_TRACE(name);
        setText(fileNameBox, name);
        run(9);
        expectBoxes({{notSaved, saveCaption, false}});
    }
    // Held open by another program without sharing.
    writeBytes("deschis.txt", "old");
    HANDLE held = CreateFileA("deschis.txt", GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    setText(fileNameBox, "deschis.txt");
    GraphState before = graph;
    run(9);
    CloseHandle(held);
    expectBoxes({{notSaved, saveCaption, false}});
    EXPECT_TRUE(sameGraph(graph, before));
    EXPECT_EQ(readBytes("vechi.txt"), "old");
    EXPECT_EQ(readBytes("deschis.txt"), "old");
    EXPECT_TRUE(std::filesystem::is_empty("dosar"));
}
