#include <gtest/gtest.h>

#include "graph/graph_state.h"
#include "support/graph_builder.h"

TEST(BuildEdgeList, RowMajorOrderWhateverTheCreationOrder)
{
    makeGraph(3, {{1, 3, 5}, {2, 3, 2}, {1, 2, 7}});
    buildEdgeList();
    const Edge expected[] = {{1, 2, 7}, {1, 3, 5}, {2, 3, 2}};
    for (int k = 1; k <= 3; k++) {
        SCOPED_TRACE(k);
        EXPECT_EQ(edgeList[k].u, expected[k - 1].u);
        EXPECT_EQ(edgeList[k].v, expected[k - 1].v);
        EXPECT_EQ(edgeList[k].cost, expected[k - 1].cost);
    }
}

TEST(BuildEdgeList, WritesNothingWithoutEdgesAndLeavesStaleEntries)
{
    for (int n : {0, 1, 4}) {
        SCOPED_TRACE(n);
        makeGraph(n, {});
        for (int k = 0; k <= maxEdges; k++)
            edgeList[k] = {77, 78, 79};
        buildEdgeList();
        for (int k = 0; k <= maxEdges; k++)
            ASSERT_EQ(edgeList[k].u, 77) << "entry " << k;
    }
    // With two edges only entries 1 and 2 change; entry 0 and entry 3 keep their values.
    makeGraph(3, {{1, 2, 4}, {2, 3, 6}});
    edgeList[0] = edgeList[3] = {77, 78, 79};
    buildEdgeList();
    EXPECT_EQ(edgeList[0].u, 77);
    EXPECT_EQ(edgeList[3].u, 77);
    EXPECT_EQ(edgeList[2].v, 3);
}

TEST(BuildEdgeList, HoldsEveryEdgeOfTheLargestGraph)
{
    makeCompleteGraph(maxVertices, [](int u, int v) { return u + v; });
    buildEdgeList();
    EXPECT_EQ(graph.edgeCount, 4851);
    EXPECT_EQ(edgeList[1].u, 1);
    EXPECT_EQ(edgeList[1].v, 2);
    EXPECT_EQ(edgeList[4851].u, 98);
    EXPECT_EQ(edgeList[4851].v, 99);
    EXPECT_EQ(edgeList[4851].cost, 197);
}
