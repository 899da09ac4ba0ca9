#include "ui/message_boxes.h"

int beepCount;

void showBox(HWND owner, const char* text, const char* caption)
{
    MessageBoxA(owner, text, caption, MB_OK);
}

void errorBeep()
{
    beepCount++;
    MessageBeep(MB_ICONHAND);
}
