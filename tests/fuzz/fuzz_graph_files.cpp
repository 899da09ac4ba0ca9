// libFuzzer target for the graph file readers. Every input is read both as a saved file
// ("Citire") over a non-empty graph and as the initial file at start-up. Either the reader
// refuses it and the state is byte for byte what it was, or it accepts it: then every
// invariant holds, and saving and reading again gives the same graph and the same text.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include <unistd.h>

#include "graph/graph_files.h"
#include "graph/graph_state.h"
#include "support/graph_builder.h"
#include "support/invariants.h"

namespace {

struct Snapshot {
    GraphState graph;
    int selectedVertex, secondVertex;
};

Snapshot take()
{
    Snapshot s;
    std::memcpy(&s.graph, &graph, sizeof graph);
    s.selectedVertex = selectedVertex;
    s.secondVertex = secondVertex;
    return s;
}

bool same(const Snapshot& a, const Snapshot& b)
{
    return std::memcmp(&a.graph, &b.graph, sizeof a.graph) == 0 &&
           a.selectedVertex == b.selectedVertex && a.secondVertex == b.secondVertex;
}

void fail(const char* what, const std::string& detail = "")
{
    std::fprintf(stderr, "fuzz_graph_files: %s %s\n", what, detail.c_str());
    std::abort();
}

void writeFile(const char* name, const uint8_t* data, size_t size)
{
    std::FILE* f = std::fopen(name, "wb");
    if (f == nullptr || std::fwrite(data, 1, size, f) != size || std::fclose(f) != 0)
        fail("cannot write", name);
}

std::string fileText(const char* name)
{
    std::string text;
    std::FILE* f = std::fopen(name, "rb");
    if (f == nullptr)
        return text;
    char chunk[4096];
    size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, f)) > 0)
        text.append(chunk, got);
    std::fclose(f);
    return text;
}

// An accepted graph must keep every invariant and survive a save and a read unchanged.
void checkAccepted()
{
    std::string problem = graphInvariantViolation();
    if (!problem.empty())
        fail("invariant broken after an accepted file:", problem);
    GraphState accepted = graph;
    std::snprintf(textBuffer, sizeof textBuffer, "%s", "copy.txt");
    if (!saveGraphFile())
        fail("cannot save an accepted graph");
    std::string first = fileText("copy.txt");
    clearGraphState();
    if (readSavedGraph("copy.txt") != readOk)
        fail("a saved file is refused");
    if (!sameSavedGraph(graph, accepted))
        fail("save then read changed the graph");
    if (!saveGraphFile() || fileText("copy.txt") != first)
        fail("saving the read graph gives another text");
}

// A graph with a removed vertex, a selection and stale positions, so a refusal that touched
// anything would show.
void setPriorGraph()
{
    makeGraph(6, {{1, 2, 3}, {2, 3, 4}, {4, 6, 9}});
    removeTestVertex(5);
    placeVertex(5, 11, 22);
    selectedVertex = 2;
    secondVertex = 4;
}

char workFolder[64];

void removeWorkFolder()
{
    for (const char* name : {"input.txt", "RuriDU.in", "copy.txt", "copy.txt.salvare~"})
        std::remove(name);
    rmdir(workFolder);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // In memory where there is a tmpfs: every save is flushed to the disk.
    std::snprintf(workFolder, sizeof workFolder, "%s/grafuri-fuzz-XXXXXX",
                  access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp");
    if (mkdtemp(workFolder) == nullptr || chdir(workFolder) != 0)
        fail("cannot make a working folder");
    std::atexit(removeWorkFolder);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // As "Citire" reads it.
    writeFile("input.txt", data, size);
    setPriorGraph();
    Snapshot before = take();
    ReadProblem problem = readSavedGraph("input.txt");
    if (problem == readOk)
        checkAccepted();
    else if (!same(before, take()))
        fail("a refused file changed the state");

    // As the initial file at start-up, over the empty state of a new process.
    writeFile("RuriDU.in", data, size);
    clearGraphState();
    Snapshot empty = take();
    loadInitialGraph();
    if (!same(empty, take()))
        checkAccepted();
    return 0;
}
