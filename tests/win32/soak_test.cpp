// A long seeded random sequence of user events on the real main window: presses anywhere,
// action choices, cost texts, every command, boxes answered OK or Cancel at random, saves and
// reads with good and bad names. After every event the invariants hold and every box is one
// the program knows; every saved file reads back as the same graph.
// GRAFURI_SOAK_EVENTS and GRAFURI_SOAK_SEED set the length and the seed of a run; a failure
// names both, so the run can be replayed.
#include "win32/harness.h"


#include <cstdlib>
#include <filesystem>
#include <random>
#include <regex>

#include "graph/graph_state.h"
#include "support/graph_builder.h"
#include "support/invariants.h"
#include "ui/control_panel.h"

namespace {

// Bytes in use on the process heap, where malloc, new and the system's own allocations of
// this process go.
size_t heapBytesInUse()
{
    size_t used = 0;
    HANDLE heap = GetProcessHeap();
    HeapLock(heap);
    PROCESS_HEAP_ENTRY entry = {};
    while (HeapWalk(heap, &entry))
        if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY)
            used += entry.cbData;
    HeapUnlock(heap);
    return used;
}

int environmentNumber(const char* name, int fallback)
{
    const char* text = std::getenv(name);
    return text != nullptr && *text != '\0' ? std::atoi(text) : fallback;
}

// Every box the program can show, as "caption|text" patterns.
bool isKnownBox(const SeenBox& box)
{
    static const std::regex known(
        "Adaugare varf\\|(Alegeti o zona libera!|Numarul maxim de varfuri \\(99\\) a fost atins!)"
        "|Eliminare varf\\|(Nu ati selectat varful!|Nu se poate elimina ultimul varf!)"
        "|Grad varf\\|(Gradul varfului [0-9]+ este [0-9]+|Nu ati selectat varful!)"
        "|Deplasare varf\\|(Nu ati selectat varful!|Alegeti o zona libera!)"
        "|Adauga muchie\\|(Costul muchiei este incorect|Nu ati selectat varful!"
        "|Nu ati selectat cel de-al doilea varf|Aceasta muchie exista deja!"
        "|Alegeti un varf diferit de primul varf al muchiei!)"
        "|Elimina muchie\\|(Nu ati selectat varful!|Nu ati selectat cel de-al doilea varf"
        "|Nu exista aceasta muchie!)"
        "|Verificare conexitate\\|Graful (nu )?este conex"
        "|Cost total\\|Costul total este [0-9]+"
        "|A\\.P\\.M\\. (Kruskal|Prim)\\|(La pasul [0-9]+ (NU )?s-a ales muchia \\[[0-9]+,[0-9]+\\] "
        "de cost [0-9]+|Graful trebuie sa fie conex pentru a obtine A\\.P\\.M\\.)"
        "|APM (Kruskal|Prim)\\|Costul total al A\\.P\\.M\\. este [0-9]+"
        "|Citire graf\\|Fisierul a fost citit la executia aplicatiei"
        "|Citire fisier\\|.+!"
        "|Salvare graf\\|(Alegeti un nume diferit de fisierul initial!"
        "|Graful a fost salvat in fisier|Graful nu a fost salvat! Fisierul nu poate fi scris\\.)");
    return std::regex_match(box.caption + "|" + box.text, known);
}

const char* const costTexts[] = {"0", "1", "5", "12a", "1234", "999", "-5", "abc", "", " 7"};
const char* const fileNames[] = {"s1.txt", "s2.txt", "lipsa/x.txt", "", "RuriDU.in", "ruridu.IN",
                                 "dosar", "protejat.txt", "rau.txt", "abcdefghijklmnopqrstuv"};

class Soak {
public:
    Soak(HWND window, unsigned seed) : window_(window), random_(seed), answers_(seed + 1) {}

    // One random event; returns "" or what went wrong.
    std::string step()
    {
        int kind = pick(100);
        if (kind < 45)
            pressCanvas();
        else if (kind < 50)
            press(window_, 770 + pick(230), pick(640));
        else if (kind < 63)
            chooseOrNotify();
        else if (kind < 67)
            setText(costBox, costTexts[pick(std::size(costTexts))]);
        else if (kind < 75)
            command(window_, pick(2) ? 1 : 2);
        else if (kind < 80)
            command(window_, pick(2) ? 5 : 6);
        else if (kind < 98)
            return fileCommand();
        else
            SendMessageA(window_, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(pick(770), pick(640)));
        return "";
    }

    int answer() { return answers_() % 2 ? IDOK : IDCANCEL; }
    int saves = 0;

private:
    int pick(size_t n) { return (int)(random_() % n); }

    void pressCanvas()
    {
        int x, y;
        int k = 1 + pick(maxVertices);
        if (pick(3) > 0 && isPresentVertex(k)) {
            x = graph.posX[k] + pick(61) - 30; // near a vertex, to hit it or just miss it
            y = graph.posY[k] + pick(61) - 30;
        } else {
            const int edges[] = {0, 754, 755, 756, 769, 770};
            x = pick(5) ? pick(771) : edges[pick(std::size(edges))];
            y = pick(641);
        }
        press(window_, std::max(x, 0), std::max(y, 0));
    }

    void chooseOrNotify()
    {
        int id = 101 + pick(7);
        if (pick(10) == 0) // a press released elsewhere: the notification only
            SendMessageA(window_, WM_PARENTNOTIFY, WM_LBUTTONDOWN,
                         MAKELPARAM(830, 15 + 20 * (id - 100) + 10));
        else
            chooseAction(window_, id);
    }

    std::string fileCommand()
    {
        const char* name = fileNames[pick(std::size(fileNames))];
        setText(fileNameBox, name);
        if (pick(2)) {
            command(window_, 8);
            return "";
        }
        GraphState before = graph;
        command(window_, 9);
        bool saved = !boxes::seen().empty() &&
                     boxes::seen().back().text == "Graful a fost salvat in fisier";
        if (!saved)
            return "";
        saves++;
        // Read it straight back: the same graph, and no box.
        boxes::clearSeen();
        command(window_, 8);
        if (!boxes::seen().empty())
            return "reading a saved file showed: " + boxes::seen()[0].text;
        if (!sameSavedGraph(graph, before))
            return std::string("the file saved as ") + name + " reads back as another graph";
        return "";
    }

    HWND window_;
    std::mt19937 random_;
    std::mt19937 answers_;
};

} // namespace

class SoakTest : public MainWindowTest {
protected:
    std::string initialFile() const override { return "6 5\n1 2 3\n2 3 4\n3 4 5\n4 5 6\n5 6 7\n"; }
};

TEST_F(SoakTest, RandomEventsKeepTheGraphSound)
{
    const int events = environmentNumber("GRAFURI_SOAK_EVENTS", 20000);
    const unsigned seed = (unsigned)environmentNumber("GRAFURI_SOAK_SEED", 20261211);
    std::filesystem::create_directory("dosar");
    writeBytes("rau.txt", "3 2\n1 2 5\n");
    writeBytes("protejat.txt", "2 1\n1 2 5\n1 100 100\n2 200 200\n");
    std::filesystem::permissions("protejat.txt", std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::remove);

    Soak soak(window, seed);
    size_t bytesAtStart = 0;
    boxes::responder = [&](const SeenBox&) { return soak.answer(); };
    int boxCount = 0, largest = 0;
    for (int event = 1; event <= events; event++) {
        std::string problem = soak.step();
        if (problem.empty())
            problem = graphInvariantViolation();
        for (const SeenBox& box : boxes::seen())
            if (problem.empty() && !isKnownBox(box))
                problem = "unknown box: " + box.caption + " / " + box.text;
        if (problem.empty() && statusText(0) != " Win32 Application")
            problem = "status part 0 changed";
        if (!problem.empty()) {
            FAIL() << "seed " << seed << ", event " << event << ": " << problem;
            return;
        }
        boxCount += (int)boxes::seen().size();
        boxes::clearSeen();
        largest = std::max(largest, graph.vertexCount - graph.removedCount);
        if (event % 200 == 0)
            pumpMessages();
        if (event == 1000) // after the first boxes and files, once Wine's own caches are warm
            bytesAtStart = heapBytesInUse();
    }
    std::printf("soak: %d events, %d boxes, %d files saved and read back, up to %d vertices\n",
                events, boxCount, soak.saves, largest);
    std::printf("soak: heap in use %zu KiB after event 1000, %zu KiB at the end\n",
                bytesAtStart / 1024, heapBytesInUse() / 1024);
    EXPECT_GT(soak.saves, 0);
    EXPECT_GT(boxCount, events / 10);
}
