// SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
// SPDX-License-Identifier: GPL-3.0-or-later

// Windows' calculator as the tests have it: writes how it was asked to show itself, and stays.
#include <windows.h>

#include <cstdio>

int main() {
    STARTUPINFOW startup{sizeof startup};
    GetStartupInfoW(&startup);
    FILE* mark = std::fopen("C:\\calc-started.txt", "w");
    std::fprintf(mark, "show %d\n", startup.wShowWindow);
    std::fclose(mark);
    Sleep(INFINITE);
}
