#include "win32/harness.h"

#include "algorithms/mst_steps.h"
#include "graph/graph_state.h"
#include "support/graph_builder.h"

namespace {

const COLORREF red = RGB(255, 0, 0);
const COLORREF blue = RGB(0, 0, 255);
const COLORREF black = RGB(0, 0, 0);
const COLORREF white = RGB(255, 255, 255);

int countInRect(const PaintCapture& picture, RECT r, COLORREF colour)
{
    int count = 0;
    for (int y = r.top; y < r.bottom; y++)
        for (int x = r.left; x < r.right; x++)
            count += picture.at(x, y) == colour;
    return count;
}

} // namespace

using PaintTest = MainWindowTest;

TEST_F(PaintTest, EmptyGraphDrawsOnlyTheSeparator)
{
    makeGraph(0, {});
    PaintCapture picture;
    EXPECT_TRUE(picture.defaultsRestored);
    // A red line two pixels wide at x = 770, from y = 10 to y = 593.
    for (int y = 11; y <= 592; y++) {
        ASSERT_EQ(picture.at(770, y), red) << y;
        ASSERT_EQ(countInRect(picture, {760, y, 780, y + 1}, red), 2) << y;
    }
    EXPECT_EQ(countInRect(picture, {760, 0, 780, 8}, red), 0);
    EXPECT_EQ(countInRect(picture, {760, 596, 780, 660}, red), 0);
    EXPECT_EQ(countInRect(picture, {0, 0, 760, 660}, white), 760 * 660);
}

TEST_F(PaintTest, EdgePensFollowTheMarks)
{
    // Three vertical edges, x = 100, 300, 500, marked plain, rejected and chosen.
    makeGraph(6, {{1, 2, 5}, {3, 4, 6}, {5, 6, 7}});
    placeVertex(1, 100, 100);
    placeVertex(2, 100, 400);
    placeVertex(3, 300, 100);
    placeVertex(4, 300, 400);
    placeVertex(5, 500, 100);
    placeVertex(6, 500, 400);
    graph.edgeMark[3][4] = graph.edgeMark[4][3] = markRejected;
    graph.edgeMark[5][6] = graph.edgeMark[6][5] = markChosen;
    PaintCapture picture;
    // A cut across each line at y = 180, away from circles and labels.
    struct Row {
        int x;
        COLORREF colour;
        int width;
    };
    const Row rows[] = {{100, black, 1}, {300, red, 2}, {500, blue, 2}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.x);
        RECT cut = {row.x - 6, 180, row.x + 6, 181};
        EXPECT_EQ(countInRect(picture, cut, row.colour), row.width);
        EXPECT_EQ(countInRect(picture, cut, white), 12 - row.width);
    }
    // Labels are red whatever the mark; numbers black.
    EXPECT_GT(countInRect(picture, {100, 250, 116, 266}, red), 0);
    EXPECT_GT(countInRect(picture, {500, 250, 516, 266}, red), 0);
    EXPECT_EQ(countInRect(picture, {500, 250, 516, 266}, blue), 0);
    EXPECT_TRUE(picture.defaultsRestored);
}

TEST_F(PaintTest, CostLabelCellHasItsTopLeftAtTheIntegerMidpoint)
{
    makeGraph(2, {{1, 2, 5}});
    placeVertex(1, 100, 100);
    placeVertex(2, 201, 301);
    PaintCapture picture;
    // Midpoint (150, 200): the red digit lies right of and below it, on a white cell that
    // hides the black line; just above or left of the corner the line is still black.
    RECT cell = {150, 200, 158, 216};
    EXPECT_GT(countInRect(picture, cell, red), 0);
    EXPECT_EQ(countInRect(picture, cell, black), 0);
    EXPECT_EQ(countInRect(picture, {130, 180, 150, 200}, red), 0);
    EXPECT_GT(countInRect(picture, {140, 185, 150, 200}, black), 0);
}

TEST_F(PaintTest, SelectedVertexIsFilledRedOthersWhiteAndRemovedOnesNotAtAll)
{
    makeGraph(12, {});
    placeVertex(7, 200, 200);
    placeVertex(12, 300, 200);
    placeVertex(3, 400, 200);
    removeTestVertex(3);
    selectedVertex = 12;
    PaintCapture picture;
    // Inside the circle, below the number cell.
    EXPECT_EQ(picture.at(200, 200 + 9), white);
    EXPECT_EQ(picture.at(300, 200 + 9), red);
    // The number cell of the selected vertex is red and black, no white.
    EXPECT_EQ(countInRect(picture, {292, 192, 300, 200}, white), 0);
    EXPECT_GT(countInRect(picture, {292, 192, 308, 208}, black), 0);
    // Vertex 12's label has a second digit right of the centre; vertex 7's has none there.
    EXPECT_GT(countInRect(picture, {300, 192, 308, 208}, black), 0);
    EXPECT_EQ(countInRect(picture, {202, 192, 208, 208}, black), 0);
    // The circle's black outline, 12 px left of the centre.
    EXPECT_GT(countInRect(picture, {200 - 12, 195, 200 - 11, 206}, black), 0);
    // Removed vertex 3: nothing drawn at its place.
    EXPECT_EQ(countInRect(picture, {385, 185, 416, 216}, white), 31 * 31);
    for (int k = 0; k < vertexSlots; k++)
        ASSERT_EQ(graph.vertexMark[k], 0) << k;
    EXPECT_TRUE(picture.defaultsRestored);

    selectedVertex = 0;
    PaintCapture plain;
    EXPECT_EQ(plain.at(300, 200 + 9), white);
}
