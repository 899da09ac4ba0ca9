// Every action of the platform-free core at the limit: 99 vertices laid out on the circle,
// all 4851 edges. Each figure is compared with a floor measured in the same run (one pass
// over the cost matrix), because only ratios are stable on a shared machine.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <numeric>
#include <random>
#include <vector>

#include <unistd.h>

#include "algorithms/connectivity.h"
#include "algorithms/mst_steps.h"
#include "canvas/geometry.h"
#include "graph/graph_files.h"
#include "graph/graph_state.h"
#include "support/graph_builder.h"

namespace {

MstSteps run;

enum CostPattern { equalCosts, distinctCosts, descendingCosts };

// The complete graph on the circle. Distinct costs are a shuffled 1 .. 4851; descending costs
// fall along the edge list, the exchange sort's most exchanges.
void makeLargestGraph(CostPattern pattern)
{
    std::vector<int> costs(maxEdges);
    std::iota(costs.begin(), costs.end(), 1);
    if (pattern == distinctCosts)
        std::shuffle(costs.begin(), costs.end(), std::mt19937(7));
    if (pattern == descendingCosts)
        std::reverse(costs.begin(), costs.end());
    makeGraph(maxVertices, {});
    int k = 0;
    for (int u = 1; u < maxVertices; u++)
        for (int v = u + 1; v <= maxVertices; v++, k++)
            addTestEdge(u, v, pattern == equalCosts ? 1 : costs[k]);
    layOutOnCircle();
}

void MatrixScanFloor(benchmark::State& state)
{
    makeLargestGraph(distinctCosts);
    for (auto _ : state) {
        int sum = 0;
        for (int u = 1; u < vertexSlots; u++)
            for (int v = 1; v < vertexSlots; v++)
                sum += graph.cost[u][v] > 0;
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(MatrixScanFloor);

void PressNearNoEdge(benchmark::State& state)
{
    makeLargestGraph(distinctCosts);
    for (auto _ : state) {
        benchmark::DoNotOptimize(findVertexAt(700, 620));
        benchmark::DoNotOptimize(isNearEdge(700, 620));
    }
}
BENCHMARK(PressNearNoEdge);

void PressNearAnEdge(benchmark::State& state)
{
    makeLargestGraph(distinctCosts);
    for (auto _ : state) {
        benchmark::DoNotOptimize(findVertexAt(300, 300));
        benchmark::DoNotOptimize(isNearEdge(300, 300));
    }
}
BENCHMARK(PressNearAnEdge);

void BuildEdgeList(benchmark::State& state)
{
    makeLargestGraph(distinctCosts);
    for (auto _ : state) {
        buildEdgeList();
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BuildEdgeList);

void IsConnected(benchmark::State& state)
{
    makeLargestGraph(distinctCosts);
    for (auto _ : state)
        benchmark::DoNotOptimize(isConnected());
}
BENCHMARK(IsConnected);

void TotalCost(benchmark::State& state)
{
    makeLargestGraph(distinctCosts);
    for (auto _ : state)
        benchmark::DoNotOptimize(totalCost());
}
BENCHMARK(TotalCost);

void KruskalSteps(benchmark::State& state)
{
    makeLargestGraph((CostPattern)state.range(0));
    for (auto _ : state) {
        kruskalSteps(run);
        benchmark::DoNotOptimize(run.total);
    }
    state.counters["steps"] = run.count;
}
BENCHMARK(KruskalSteps)->Arg(equalCosts)->Arg(distinctCosts)->Arg(descendingCosts)
    ->Unit(benchmark::kMillisecond);

void ExchangeSortOnly(benchmark::State& state)
{
    makeLargestGraph((CostPattern)state.range(0));
    for (auto _ : state) {
        buildEdgeList();
        sortEdgesByCost(maxEdges);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(ExchangeSortOnly)->Arg(equalCosts)->Arg(distinctCosts)->Arg(descendingCosts)
    ->Unit(benchmark::kMillisecond);

void PrimSteps(benchmark::State& state)
{
    makeLargestGraph((CostPattern)state.range(0));
    for (auto _ : state) {
        primSteps(run);
        benchmark::DoNotOptimize(run.total);
    }
    state.counters["steps"] = run.count;
}
BENCHMARK(PrimSteps)->Arg(equalCosts)->Arg(distinctCosts)->Unit(benchmark::kMillisecond);

// Files go to /dev/shm where there is one, so the figures measure the program, not the disk;
// the save includes its flush to the disk.
void inMemoryFolder()
{
    if (chdir("/dev/shm") != 0 && chdir("/tmp") != 0)
        std::perror("chdir");
}

void SaveGraphFile(benchmark::State& state)
{
    makeLargestGraph(distinctCosts);
    inMemoryFolder();
    std::snprintf(textBuffer, sizeof textBuffer, "grafuri-bench.txt");
    for (auto _ : state)
        benchmark::DoNotOptimize(saveGraphFile());
}
BENCHMARK(SaveGraphFile)->Unit(benchmark::kMicrosecond);

void ReadGraphFile(benchmark::State& state)
{
    makeLargestGraph(distinctCosts);
    inMemoryFolder();
    std::snprintf(textBuffer, sizeof textBuffer, "grafuri-bench.txt");
    saveGraphFile();
    for (auto _ : state)
        benchmark::DoNotOptimize(readSavedGraph("grafuri-bench.txt"));
    std::remove("grafuri-bench.txt");
}
BENCHMARK(ReadGraphFile)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
