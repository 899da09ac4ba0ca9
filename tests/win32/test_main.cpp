#include <windows.h>

#include <gtest/gtest.h>

#include "ui/main_window.h"

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    if (!registerMainClass(GetModuleHandleA(nullptr))) {
        std::fprintf(stderr, "cannot register the main window class\n");
        return 1;
    }
    return RUN_ALL_TESTS();
}
