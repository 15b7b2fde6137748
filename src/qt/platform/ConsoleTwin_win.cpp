// Tolvane.com, the console twin of Tolvane.exe on Windows.
//
// cmd and PowerShell do not wait for a desktop program, nor hand its exit status back; they do
// for a console one. Typed without an extension, `Tolvane` runs this twin (.COM comes before .EXE
// in PATHEXT): it starts Tolvane.exe beside it with the same options, on this same console or
// the same redirected files, waits for it and returns its status.
#include <windows.h>

#include <string>

namespace {

// The command line as typed, without the program's own name (quoted or up to the first blank,
// the way the C runtime reads it).
const wchar_t* Options(const wchar_t* line)
{
    if (*line == L'"') {
        ++line;
        while (*line && *line != L'"')
            ++line;
        if (*line)
            ++line;
    } else {
        while (*line && *line != L' ' && *line != L'\t')
            ++line;
    }
    return line;
}

// A handle for the program's standard stream: none for a console, which it attaches to itself
// (and writes to through the console's own name), else the file or pipe it is redirected to.
HANDLE Passed(DWORD which)
{
    const HANDLE handle = GetStdHandle(which);
    DWORD mode = 0;
    return GetConsoleMode(handle, &mode) ? nullptr : handle;
}

// Says `text` on standard error: to a console as its characters, to a file or a pipe as UTF-8.
void Say(const std::wstring& text)
{
    const HANDLE handle = GetStdHandle(STD_ERROR_HANDLE);
    DWORD mode = 0, written = 0;
    if (GetConsoleMode(handle, &mode)) {
        WriteConsoleW(handle, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
        return;
    }
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(), size, nullptr, nullptr);
    WriteFile(handle, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

// The system's own words for error `code`, in the user's language, on one line.
std::wstring Reason(DWORD code)
{
    wchar_t* text = nullptr;
    const DWORD length = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                        nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring reason = length ? std::wstring(text, length) : L"error " + std::to_wstring(code);
    LocalFree(text);
    while (!reason.empty() && (reason.back() == L'\n' || reason.back() == L'\r' || reason.back() == L' '))
        reason.pop_back();
    return reason;
}

}  // namespace

int main()
{
    std::wstring program(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, program.data(), static_cast<DWORD>(program.size()));
        if (length < program.size()) {
            program.resize(length);
            break;
        }
        program.resize(program.size() * 2);
    }
    program.replace(program.size() - 4, 4, L".exe");
    std::wstring line = L"\"" + program + L"\"" + Options(GetCommandLineW());

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = Passed(STD_INPUT_HANDLE);
    startup.hStdOutput = Passed(STD_OUTPUT_HANDLE);
    startup.hStdError = Passed(STD_ERROR_HANDLE);
    PROCESS_INFORMATION started{};
    if (!CreateProcessW(program.c_str(), line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &started)) {
        // The folder may be named in any script (a user's profile often is), so the path is kept whole.
        Say(L"Tolvane: cannot start " + program + L": " + Reason(GetLastError()) + L"\n");
        return 1;
    }
    // Ctrl+C reaches Tolvane.exe on the same console; the twin waits for it to end.
    SetConsoleCtrlHandler(nullptr, TRUE);
    WaitForSingleObject(started.hProcess, INFINITE);
    DWORD status = 1;
    GetExitCodeProcess(started.hProcess, &status);
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
    return static_cast<int>(status);
}
