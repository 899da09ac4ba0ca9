#include <gtest/gtest.h>

#include <random>
#include <utility>
#include <vector>

#include "algorithms/connectivity.h"
#include "algorithms/mst_steps.h"
#include "graph/graph_files.h"
#include "support/graph_builder.h"

namespace {

MstSteps run;

void expectSteps(const std::vector<MstStep>& expected)
{
    ASSERT_EQ(run.count, (int)expected.size());
    for (size_t i = 0; i < expected.size(); i++) {
        SCOPED_TRACE("step " + std::to_string(i + 1));
        EXPECT_EQ(run.steps[i].u, expected[i].u);
        EXPECT_EQ(run.steps[i].v, expected[i].v);
        EXPECT_EQ(run.steps[i].cost, expected[i].cost);
        EXPECT_EQ(run.steps[i].verdict, expected[i].verdict);
    }
}

// Edges [1,2] 2, [1,3] 2, [1,4] 5, [2,3] 1, [3,4] 2: equal costs where the exchange sort and
// a stable sort disagree.
void makeWorkedExample()
{
    makeGraph(4, {{1, 2, 2}, {1, 3, 2}, {1, 4, 5}, {2, 3, 1}, {3, 4, 2}});
}

} // namespace

TEST(ExchangeSort, WorkedExampleOrderDiffersFromAStableSort)
{
    makeWorkedExample();
    buildEdgeList();
    sortEdgesByCost(5);
    const Edge expected[] = {{2, 3, 1}, {1, 3, 2}, {1, 2, 2}, {3, 4, 2}, {1, 4, 5}};
    for (int k = 1; k <= 5; k++) {
        SCOPED_TRACE(k);
        EXPECT_EQ(edgeList[k].u, expected[k - 1].u);
        EXPECT_EQ(edgeList[k].v, expected[k - 1].v);
        EXPECT_EQ(edgeList[k].cost, expected[k - 1].cost);
    }
}

// The literal exchange sort, entries exchanged whole inside the double loop: the program's
// sort must give exactly its order, equal costs included.
TEST(ExchangeSort, SameOrderAsTheLiteralDoubleLoopOnRandomLists)
{
    std::mt19937 random(4851);
    std::vector<Edge> expected(maxEdges + 1);
    for (int round = 0; round < 60; round++) {
        int m = round < 50 ? 1 + (int)(random() % 300) : maxEdges;
        int spread = 1 + (int)(random() % 6); // few distinct costs: many ties
        for (int k = 1; k <= m; k++)
            expected[k] = edgeList[k] = {k, k + 1, 1 + (int)(random() % spread)};
        if (round == 59) // falling costs: the most exchanges
            for (int k = 1; k <= m; k++)
                expected[k] = edgeList[k] = {k, k + 1, m - k + 1};
        for (int i = 1; i < m; i++)
            for (int j = i + 1; j <= m; j++)
                if (expected[i].cost > expected[j].cost)
                    std::swap(expected[i], expected[j]);
        sortEdgesByCost(m);
        for (int k = 1; k <= m; k++)
            ASSERT_TRUE(edgeList[k].u == expected[k].u && edgeList[k].cost == expected[k].cost)
                << "round " << round << ", entry " << k;
    }
}

TEST(ExchangeSort, NothingMovesWithOneEntryOrNone)
{
    edgeList[1] = {1, 2, 9};
    edgeList[2] = {1, 3, 1};
    sortEdgesByCost(1);
    sortEdgesByCost(0);
    EXPECT_EQ(edgeList[1].cost, 9);
    EXPECT_EQ(edgeList[2].cost, 1);
}

TEST(Kruskal, WorkedExampleStepByStep)
{
    makeWorkedExample();
    kruskalSteps(run);
    expectSteps({{2, 3, 1, markChosen},
                 {1, 3, 2, markChosen},
                 {1, 2, 2, markRejected},
                 {3, 4, 2, markChosen}});
    EXPECT_EQ(run.total, 5);
    EXPECT_EQ(chosenCount, 3);
}

TEST(Prim, WorkedExampleStepByStep)
{
    makeWorkedExample();
    primSteps(run);
    expectSteps({{2, 3, 1, markChosen}, {1, 2, 2, markChosen}, {3, 4, 2, markChosen}});
    EXPECT_EQ(run.total, 5);
    EXPECT_EQ(chosenCount, 4);
}

TEST(Prim, StartsAtTheFirstCheapestEdgeNotAtVertexOne)
{
    makeGraph(4, {{1, 2, 3}, {2, 3, 1}, {3, 4, 1}});
    primSteps(run);
    expectSteps({{2, 3, 1, markChosen}, {3, 4, 1, markChosen}, {1, 2, 3, markChosen}});
}

TEST(MinimumSpanningTrees, SmallCasesOfBothAlgorithms)
{
    struct Row {
        const char* name;
        void (*build)();
        int steps;
        int total;
    };
    const Row rows[] = {
        {"single present vertex",
         [] {
             makeGraph(3, {});
             removeTestVertex(1);
             removeTestVertex(2);
         },
         0, 0},
        {"no vertices", [] { makeGraph(0, {}); }, 0, 0},
        {"one edge of cost 7", [] { makeGraph(2, {{1, 2, 7}}); }, 1, 7},
        {"removed vertex lowers the target",
         [] {
             makeGraph(5, {{1, 2, 1}, {2, 3, 1}, {3, 4, 1}, {1, 4, 1}, {4, 5, 1}});
             removeTestVertex(5);
         },
         3, 3},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        row.build();
        kruskalSteps(run);
        EXPECT_EQ(run.count, row.steps); // no rejections in these graphs
        EXPECT_EQ(run.total, row.total);
        row.build();
        primSteps(run);
        EXPECT_EQ(run.count, row.steps);
        EXPECT_EQ(run.total, row.total);
    }
}

TEST(MinimumSpanningTrees, LargestGraphCompletesWithEqualAndDistinctCosts)
{
    // Equal costs: Kruskal takes the star around vertex 1 (the first 98 entries), Prim too.
    makeCompleteGraph(maxVertices, [](int, int) { return 1; });
    kruskalSteps(run);
    EXPECT_EQ(run.count, 98);
    EXPECT_EQ(run.total, 98);
    EXPECT_EQ(run.steps[97].v, 99);
    primSteps(run);
    EXPECT_EQ(run.count, 98);
    EXPECT_EQ(run.total, 98);
    EXPECT_EQ(run.steps[97].u, 1);

    // The largest costs a file accepts: the totals stay far inside the int range.
    makeCompleteGraph(maxVertices, [](int u, int v) { return maxEdgeCost - u * 100 - v; });
    kruskalSteps(run);
    int kruskalTotal = run.total;
    int chosen = 0;
    for (int i = 0; i < run.count; i++)
        chosen += run.steps[i].verdict == markChosen;
    EXPECT_EQ(chosen, 98);
    primSteps(run);
    EXPECT_EQ(run.count, 98);
    EXPECT_EQ(run.total, kruskalTotal);
}

// Both totals against the cheapest spanning tree found by trying every subset of n - 1 edges.
TEST(MinimumSpanningTrees, TotalsMatchBruteForceOnRandomGraphs)
{
    std::mt19937 random(20261211);
    for (int round = 0; round < 300; round++) {
        int n = 2 + (int)(random() % 5);
        makeGraph(n, {});
        for (int u = 1; u < n; u++)
            for (int v = u + 1; v <= n; v++)
                if (random() % 3 != 0)
                    addTestEdge(u, v, 1 + (int)(random() % 4));
        if (!isConnected())
            continue;
        buildEdgeList();
        int m = graph.edgeCount;
        int best = -1;
        for (unsigned mask = 0; mask < (1u << m); mask++) {
            if (__builtin_popcount(mask) != n - 1)
                continue;
            int label[vertexSlots];
            for (int k = 1; k <= n; k++)
                label[k] = k;
            int sum = 0;
            bool forest = true;
            for (int e = 0; e < m && forest; e++) {
                if (!(mask & (1u << e)))
                    continue;
                int a = label[edgeList[e + 1].u], b = label[edgeList[e + 1].v];
                forest = a != b;
                for (int k = 1; k <= n; k++)
                    if (label[k] == b)
                        label[k] = a;
                sum += edgeList[e + 1].cost;
            }
            if (forest && (best < 0 || sum < best))
                best = sum;
        }
        SCOPED_TRACE("round " + std::to_string(round));
        kruskalSteps(run);
        EXPECT_EQ(run.total, best);
        primSteps(run);
        EXPECT_EQ(run.total, best);
        EXPECT_EQ(run.count, n - 1);
    }
}
