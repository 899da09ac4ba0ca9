// What the Windows tests need to drive the real main window under Wine: a recorder that
// sees, checks and answers every message box; control inspection; input as the window gets
// it; and a capture of the canvas painting.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/temp_folder.h"

// ---- Message boxes -------------------------------------------------------------------------

struct SeenBox {
    std::string caption;
    std::string text;
    bool hasOk;
    bool hasCancel;
    RECT rect;  // screen rectangle at activation, after the program's own placement
    bool beep;  // an error beep came since the previous box
};

// A thread-local CBT hook records every box at its first activation and answers it from the
// script (IDOK or IDCANCEL). A box that comes when the script is empty is closed and counted
// as unexpected, so no test can hang on a modal box.
namespace boxes {
void install();
void uninstall();
void answer(std::initializer_list<int> answers);
const std::vector<SeenBox>& seen();
int unexpected();
void reset();
// Called while each box is open, before it is answered (the state then is what the box's
// own message loop paints).
extern std::function<void(HWND box)> whileOpen;
// When set, answers every box in place of the script, and no box counts as unexpected.
extern std::function<int(const SeenBox& box)> responder;
// Forgets the boxes seen so far, keeping the script, the responder and whileOpen.
void clearSeen();
} // namespace boxes

// A box as a test expects it: caption, text and whether a beep came before it.
struct ExpectedBox {
    const char* text;
    const char* caption;
    bool beep;
};
void expectBoxes(const std::vector<ExpectedBox>& expected);

// ---- Controls ------------------------------------------------------------------------------

std::string windowText(HWND window);
std::string className(HWND window);
RECT rectInParent(HWND window); // window rectangle in its parent's client coordinates
std::string statusText(int part);

// ---- Input ---------------------------------------------------------------------------------

// A press of an action radio button as the main window learns of it: the WM_PARENTNOTIFY
// sent at the press, then the check change of the release.
void chooseAction(HWND mainWindow, int radioId);
// A left press on the main window's client area outside the controls.
void press(HWND mainWindow, int x, int y);
void command(HWND mainWindow, int id);
// A real left click (SendInput) at a client point of the main window, brought to the front.
void realClick(HWND mainWindow, int x, int y);
void setText(HWND control, const char* text);
// Dispatches everything waiting, paints included.
void pumpMessages();

// ---- Painting ------------------------------------------------------------------------------

// paintCanvas drawn into a white 32-bit DIB section of the client area's size.
class PaintCapture {
public:
    PaintCapture();
    COLORREF at(int x, int y) const; // as a COLORREF, 0x00BBGGRR
    int width() const { return width_; }
    int height() const { return height_; }
    bool defaultsRestored; // the DC held its default pen, brush and colours afterwards

private:
    int width_ = 1000;
    int height_ = 660;
    std::vector<uint32_t> pixels_;
};

// ---- The main window ------------------------------------------------------------------------

// Each test gets a fresh main window, created by the same function as WinMain's, in an empty
// current folder holding the initial file given by initialFile() (none when empty).
class MainWindowTest : public ::testing::Test {
protected:
    virtual std::string initialFile() const { return ""; }
    void SetUp() override;
    void TearDown() override;

    HWND window = nullptr;
    TempFolder* folder = nullptr;
};
