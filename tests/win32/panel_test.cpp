#include "win32/harness.h"

#include "graph/graph_state.h"
#include "support/graph_builder.h"
#include "ui/control_panel.h"

namespace {

std::vector<HWND> toolControls()
{
    return {conexButton, costTotalButton, kruskalButton, primButton, costLabel, costBox};
}

// -1 when the six tool controls disagree.
int toolsEnabled()
{
    int enabled = 0, disabled = 0;
    for (HWND tool : toolControls())
        (IsWindowEnabled(tool) ? enabled : disabled)++;
    return disabled == 0 ? 1 : enabled == 0 ? 0 : -1;
}

void notifyAt(HWND window, int x, int y)
{
    SendMessageA(window, WM_PARENTNOTIFY, WM_LBUTTONDOWN, MAKELPARAM(x, y));
}

} // namespace

using PanelTest = MainWindowTest;

TEST_F(PanelTest, ChoosingAnActionSetsPromptToolsAndDropsTheSelection)
{
    struct Row {
        int id;
        const char* prompt;
        int toolsEnabled;
        int mode; // what a canvas press then reads from the radio buttons
    };
    const Row rows[] = {
        {101, " Marcati pozitia noului varf intr-o zona libera", 0, 1},
        {102, " Selectati varful pe care doriti sa-l eliminati ", 0, 2},
        {103, " Selectati varful pentru care doriti gradul ", 0, 3},
        {104, " Selectati varful pe care doriti sa-l deplasati ", 0, 4},
        {105, " Selectati primul varf al muchiei ", 0, 5},
        {106, " Selectati primul varf al muchiei ", 0, 6},
        {107, " ", 1, 0},
    };
    makeGraph(3, {});
    for (const Row& row : rows) {
        SCOPED_TRACE(row.id);
        selectedVertex = 2;
        secondVertex = 3;
        chooseAction(window, row.id);
        EXPECT_EQ(statusText(1), row.prompt);
        EXPECT_EQ(toolsEnabled(), row.toolsEnabled);
        EXPECT_EQ(selectedVertex, 0);
        EXPECT_EQ(secondVertex, 0);
        EXPECT_EQ(checkedActionMode(actionGroup), row.mode);
        EXPECT_TRUE(GetUpdateRect(window, nullptr, FALSE)); // canvas repaint requested
        EXPECT_TRUE(IsWindowEnabled(readButton));
        EXPECT_TRUE(IsWindowEnabled(saveButton));
        EXPECT_TRUE(IsWindowEnabled(fileNameBox));
        pumpMessages();
    }
}

TEST_F(PanelTest, PressesOutsideTheActionCornerAreIgnored)
{
    chooseAction(window, 105);
    pumpMessages();
    selectedVertex = 0;
    makeGraph(2, {});
    selectedVertex = 1;
    // Below y = 200 or left of x = 755: command buttons, edit boxes, status bar, canvas.
    const POINT ignored[] = {{836, 225}, {830, 201}, {754, 50}, {0, 0}, {900, 620}};
    for (POINT p : ignored) {
        SCOPED_TRACE(std::to_string(p.x) + "," + std::to_string(p.y));
        notifyAt(window, p.x, p.y);
        EXPECT_EQ(statusText(1), " Selectati primul varf al muchiei ");
        EXPECT_EQ(toolsEnabled(), 0);
        EXPECT_EQ(selectedVertex, 1);
        EXPECT_FALSE(GetUpdateRect(window, nullptr, FALSE));
    }
}

TEST_F(PanelTest, PressesInTheCornerButOffTheRadioButtonsDisableTheTools)
{
    // (900, 20): the group box's frame (id 100); (760, 50) and (990, 50): outside the group
    // (no window, id 0). The prompt stays, the tools go off, the selection is dropped.
    const POINT points[] = {{900, 20}, {760, 50}, {990, 50}, {830, 190}};
    for (POINT p : points) {
        SCOPED_TRACE(std::to_string(p.x) + "," + std::to_string(p.y));
        chooseAction(window, 107);
        makeGraph(2, {});
        selectedVertex = 2;
        notifyAt(window, p.x, p.y);
        EXPECT_EQ(statusText(1), " ");
        EXPECT_EQ(toolsEnabled(), 0);
        EXPECT_EQ(selectedVertex, 0);
    }
}

TEST_F(PanelTest, SecondPressOnTheCheckedActionDropsTheFirstVertex)
{
    makeGraph(3, {});
    chooseAction(window, 104);
    selectedVertex = 3;
    chooseAction(window, 104);
    EXPECT_EQ(selectedVertex, 0);
    EXPECT_EQ(statusText(1), " Selectati varful pe care doriti sa-l deplasati ");
}

TEST_F(PanelTest, PressWithoutReleaseChangesToolsButNotTheCheck)
{
    // A press that is released elsewhere (or with another button): only the notification.
    notifyAt(window, 830, 15 + 20 + 10); // "Adauga vârf"
    EXPECT_EQ(toolsEnabled(), 0);
    EXPECT_EQ(statusText(1), " Marcati pozitia noului varf intr-o zona libera");
    EXPECT_EQ(checkedActionMode(actionGroup), 0);
}

TEST_F(PanelTest, RealMouseClickOnARadioButtonChoosesTheAction)
{
    realClick(window, 830, 15 + 20 * 3 + 10); // "Determina grad "
    for (int i = 0; i < 50 && checkedActionMode(actionGroup) != 3; i++) {
        pumpMessages();
        Sleep(20);
    }
    EXPECT_EQ(checkedActionMode(actionGroup), 3);
    EXPECT_EQ(statusText(1), " Selectati varful pentru care doriti gradul ");
    EXPECT_EQ(toolsEnabled(), 0);
}
