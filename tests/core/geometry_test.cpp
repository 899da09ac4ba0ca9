#include <gtest/gtest.h>

#include "canvas/geometry.h"
#include "graph/graph_files.h"
#include "support/graph_builder.h"

TEST(FindVertexAt, Table)
{
    makeGraph(5, {});
    placeVertex(1, 400, 400);
    placeVertex(2, 100, 100);
    placeVertex(3, 200, 200);
    placeVertex(4, 210, 200);
    placeVertex(5, 600, 100);
    removeTestVertex(5);
    struct Row {
        int x, y, vertex;
        const char* why;
    };
    const Row rows[] = {
        {224, 200, 3, "distance exactly 24 hits"},
        {234, 200, 4, "vertex 3 is 34 away, vertex 4 exactly 24"},
        {186, 214, 3, "d2 = 392 for 3 and 772 for 4"},
        {205, 200, 3, "both within 24: the lower number wins though 4 is closer"},
        {209, 200, 3, "lower number wins"},
        {100, 124, 2, "straight below, inclusive"},
        {100, 125, 0, "one pixel too far"},
        {600, 100, 0, "removed vertex is never hit"},
        {0, 0, 0, "empty corner"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.why);
        EXPECT_EQ(findVertexAt(row.x, row.y), row.vertex);
    }
    // d2 = 577: just outside, for a vertex at (200, 200) alone.
    makeGraph(3, {});
    placeVertex(1, 500, 500);
    placeVertex(2, 500, 500);
    placeVertex(3, 200, 200);
    EXPECT_EQ(findVertexAt(224, 201), 0);
    EXPECT_EQ(findVertexAt(224, 200), 3);
}

TEST(FindVertexAt, EmptyGraph)
{
    makeGraph(0, {});
    EXPECT_EQ(findVertexAt(0, 0), 0);
    EXPECT_FALSE(isNearEdge(0, 0));
}

TEST(IsNearEdge, Table)
{
    struct Row {
        int ax, ay, bx, by;
        int x, y;
        bool near;
        const char* why;
    };
    const Row rows[] = {
        {100, 100, 300, 300, 200, 210, true, "about 7.07 from the line"},
        {100, 100, 300, 300, 200, 230, false, "about 21.2 from the line"},
        {100, 100, 105, 400, 110, 600, true, "vertical band, far below the edge"},
        {100, 100, 105, 400, 86, 5, true, "vertical band reaches x = 86 from the end at 100"},
        {100, 100, 105, 400, 119, 600, true, "vertical band from the end at 105"},
        {100, 100, 105, 400, 120, 600, false, "out of both bands"},
        {100, 100, 400, 110, 700, 95, true, "horizontal band, far to the right"},
        {100, 100, 300, 300, 310, 310, false, "on the extension beyond the end"},
        {100, 100, 130, 140, 127, 111, false, "exactly 15 from the line"},
        {100, 100, 130, 140, 126, 111, true, "14.2 from the line"},
        {100, 100, 300, 300, 100, 100, true, "corner of the box, on the line"},
        {100, 100, 300, 114, 500, 128, true, "horizontal band from the end at y = 114"},
        {100, 100, 300, 114, 500, 129, false, "15 from both ends' y"},
        {100, 100, 300, 115, 500, 114, false, "ends 15 apart vertically: no band"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.why);
        makeGraph(2, {{1, 2, 5}});
        placeVertex(1, row.ax, row.ay);
        placeVertex(2, row.bx, row.by);
        EXPECT_EQ(isNearEdge(row.x, row.y), row.near);
        // The same edge stored the other way round answers the same.
        placeVertex(1, row.bx, row.by);
        placeVertex(2, row.ax, row.ay);
        EXPECT_EQ(isNearEdge(row.x, row.y), row.near);
    }
}

TEST(IsNearEdge, OnlyEdgesBetweenPresentVerticesCount)
{
    makeGraph(3, {{1, 2, 5}});
    placeVertex(1, 100, 100);
    placeVertex(2, 300, 300);
    placeVertex(3, 500, 100);
    EXPECT_TRUE(isNearEdge(200, 200));
    removeTestVertex(2);
    EXPECT_FALSE(isNearEdge(200, 200));
    makeGraph(2, {});
    EXPECT_FALSE(isNearEdge(70, 40)); // vertices without edges have no zone
}

TEST(Geometry, WideArithmeticAtTheFileBounds)
{
    makeGraph(2, {{1, 2, 5}});
    placeVertex(1, 0, 0);
    placeVertex(2, maxPosX, maxPosY);
    EXPECT_EQ(findVertexAt(65535, 65535), 0);
    EXPECT_FALSE(isNearEdge(65535, 65535));
    EXPECT_TRUE(isNearEdge(maxPosX / 2, maxPosY / 2 + 3));
}
