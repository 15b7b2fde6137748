// Holds a file open as an editor or a viewer does, letting others read it and nothing more, until
// its standard input closes. Says "held" once it holds it.   hold_file.exe PATH
#include <stdio.h>
#include <windows.h>

int wmain(int argc, wchar_t** argv)
{
    if (argc != 2)
        return 2;
    const HANDLE file = CreateFileW(argv[1], GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING, 0, NULL);
    if (file == INVALID_HANDLE_VALUE)
        return 1;
    puts("held");
    fflush(stdout);
    char c;
    DWORD read = 0;
    ReadFile(GetStdHandle(STD_INPUT_HANDLE), &c, 1, &read, NULL);
    CloseHandle(file);
    return 0;
}
