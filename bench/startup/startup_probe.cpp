// startup_probe ROUNDS PROGRAM YARDSTICK...
// Starts each program in turn, ROUNDS times, and measures the time from
// CreateProcess to its first visible window; then closes it. Prints each
// program's median and the ratio of PROGRAM's median to each yardstick's.
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
        std::fprintf(stderr, "usage: startup_probe ROUNDS PROGRAM YARDSTICK...\n");
        return 2;
    }
    const int rounds = std::atoi(argv[1]);
    const int count = argc - 2;
    std::vector<std::vector<double>> times(static_cast<size_t>(count));
    for (int k = 0; k < count; ++k) {
        TimeToWindow(argv[2 + k]);  // warm the file cache and the Wine server
    }
    for (int round = 0; round < rounds; ++round) {
        for (int k = 0; k < count; ++k) {  // interleaved, so drift hits all alike
            const double ms = TimeToWindow(argv[2 + k]);
            if (ms < 0) {
                std::fprintf(stderr, "%s: no window\n", argv[2 + k]);
                return 1;
            }
            times[static_cast<size_t>(k)].push_back(ms);
        }
    }
    std::vector<double> medians;
    for (int k = 0; k < count; ++k) {
        medians.push_back(Median(times[static_cast<size_t>(k)]));
        std::printf("%-22s median %7.1f ms to its window (%d runs)\n", argv[2 + k],
                    medians.back(), rounds);
    }
    for (int k = 1; k < count; ++k) {
        std::printf("%s / %s: %.2f\n", argv[2], argv[2 + k], medians[0] / medians[static_cast<size_t>(k)]);
    }
    return 0;
}
