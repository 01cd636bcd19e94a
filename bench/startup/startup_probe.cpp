// startup_probe ROUNDS PROGRAM...
// Starts each program in turn, ROUNDS times, and measures the time from
// CreateProcess to its first visible window; then closes it. Prints each
// program's median and the median ratio of the first to the second.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Search {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK FindVisibleWindow(HWND window, LPARAM param) {
    Search* search = reinterpret_cast<Search*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid == search->processId && IsWindowVisible(window)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

double Now() {
    LARGE_INTEGER frequency, counter;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

// Milliseconds until the window shows, or a negative number on failure.
double TimeToWindow(const std::string& program) {
    std::string commandLine = "\"" + program + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    const double start = Now();
    if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        return -1.0;
    }
    Search search = {process.dwProcessId, nullptr};
    double elapsed = -1.0;
    while (Now() - start < 30000.0) {
        EnumWindows(FindVisibleWindow, reinterpret_cast<LPARAM>(&search));
        if (search.found != nullptr) {
            elapsed = Now() - start;
            break;
        }
        Sleep(1);
    }
    if (search.found != nullptr) {
        PostMessageA(search.found, WM_CLOSE, 0, 0);
    }
    if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0) {
        TerminateProcess(process.hProcess, 1);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return elapsed;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t mid = values.size() / 2;
    return values.size() % 2 != 0 ? values[mid] : (values[mid - 1] + values[mid]) / 2.0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: startup_probe ROUNDS PROGRAM BASELINE\n");
        return 2;
    }
    const int rounds = std::atoi(argv[1]);
    std::vector<std::vector<double>> times(2);
    TimeToWindow(argv[2]);  // warm the file cache and the Wine server
    TimeToWindow(argv[3]);
    for (int round = 0; round < rounds; ++round) {
        for (int k = 0; k < 2; ++k) {  // interleaved, so drift hits both alike
            const double ms = TimeToWindow(argv[2 + k]);
            if (ms < 0) {
                std::fprintf(stderr, "%s: no window\n", argv[2 + k]);
                return 1;
            }
            times[static_cast<size_t>(k)].push_back(ms);
        }
    }
    const double program = Median(times[0]);
    const double baseline = Median(times[1]);
    std::printf("%-24s median %7.1f ms to its window (%d runs)\n", "calculator", program, rounds);
    std::printf("%-24s median %7.1f ms to its window (%d runs)\n", "one-button dialog", baseline, rounds);
    std::printf("ratio %.2f (target 1.10 or less)\n", program / baseline);
    return 0;
}
