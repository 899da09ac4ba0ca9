#include <gtest/gtest.h>

#include <functional>

#include "algorithms/connectivity.h"
#include "graph/graph_files.h"
#include "support/graph_builder.h"

TEST(Connectivity, Table)
{
    struct Row {
        const char* name;
        std::function<void()> build;
        bool connected;
    };
    const Row rows[] = {
        {"no vertices", [] { makeGraph(0, {}); }, true},
        {"single present vertex, others removed",
         [] {
             makeGraph(3, {});
             removeTestVertex(1);
             removeTestVertex(3);
         },
         true},
        {"1-2 only, vertex 3 unreached", [] { makeGraph(3, {{1, 2, 1}}); }, false},
        {"vertex 1 removed, 2-3 joined",
         [] {
             makeGraph(3, {{2, 3, 4}});
             removeTestVertex(1);
         },
         true},
        {"vertex 2 removed, 1-3 joined",
         [] {
             makeGraph(3, {{1, 3, 4}});
             removeTestVertex(2);
         },
         true},
        {"two vertices, no edge", [] { makeGraph(2, {}); }, false},
        {"reached only through a later vertex", [] { makeGraph(4, {{1, 4, 1}, {2, 4, 1}, {3, 2, 1}}); }, true},
        {"two pieces", [] { makeGraph(4, {{1, 2, 1}, {3, 4, 1}}); }, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        row.build();
        EXPECT_EQ(isConnected(), row.connected);
    }
}

TEST(TotalCost, CountsEachEdgeOnce)
{
    makeGraph(0, {});
    EXPECT_EQ(totalCost(), 0);
    makeGraph(3, {});
    EXPECT_EQ(totalCost(), 0);
    makeGraph(3, {{1, 2, 4}, {2, 3, 6}});
    EXPECT_EQ(totalCost(), 10);
}

TEST(TotalCost, LargestGraphAtTheCostBoundStaysInRange)
{
    makeCompleteGraph(maxVertices, [](int, int) { return maxEdgeCost; });
    EXPECT_TRUE(isConnected());
    EXPECT_EQ(totalCost(), 4851 * maxEdgeCost);
}
