#include "cli/scratch_cleanup.h"

#include <algorithm>
#include <atomic>
#include <csignal>
#include <cstring>

#ifdef _WIN32
#include "io/byte_streams.h"

#include <windows.h>
using ScratchChar = wchar_t;
#else
#include <cerrno>
#include <climits>
#include <unistd.h>
using ScratchChar = char;
#endif

namespace {

constexpr int kSlots = 8;  // -o, both sheets and their spools (6), with room to spare
constexpr std::size_t kNameSize = 4096;

struct Slot {
    volatile std::sig_atomic_t used;
    ScratchChar name[kNameSize];
};

Slot slots[kSlots];

void RemoveRegistered() {
    for (const Slot& slot : slots) {
        if (slot.used != 0) {
#ifdef _WIN32
            DeleteFileW(slot.name);
#else
            unlink(slot.name);
#endif
        }
    }
}

#ifdef _WIN32
BOOL WINAPI OnConsoleEvent(DWORD event) {
    UINT status = 0;
    switch (event) {
    case CTRL_C_EVENT:
    case CTRL_BREAK_EVENT:
        status = 130;  // as SIGINT
        break;
    case CTRL_CLOSE_EVENT:
        status = 129;  // as SIGHUP
        break;
    default:
        status = 143;  // logoff, shutdown: as SIGTERM
        break;
    }
    RemoveRegistered();
    // Not ExitProcess: the main thread may hold the C library's locks.
    TerminateProcess(GetCurrentProcess(), status);
    return TRUE;
}
#else
extern "C" void OnSignal(int signal) {
    RemoveRegistered();
    _exit(128 + signal);
}
#endif

}  // namespace

void RemoveScratchOnInterrupt() {
#ifdef _WIN32
    SetConsoleCtrlHandler(OnConsoleEvent, TRUE);
#else
    struct sigaction action;
    std::memset(&action, 0, sizeof action);
    action.sa_handler = OnSignal;
    sigfillset(&action.sa_mask);
    for (int signal : {SIGINT, SIGTERM, SIGHUP}) {
        sigaction(signal, &action, nullptr);
    }
#endif
}

int RegisterScratch(const std::string& name) {
#ifdef _WIN32
    const std::wstring text = WidePath(name);
#else
    const std::string& text = name;
#endif
    if (text.empty() || text.size() >= kNameSize) {
        return -1;
    }
    for (int k = 0; k < kSlots; ++k) {
        if (slots[k].used == 0) {
            std::copy(text.begin(), text.end(), slots[k].name);
            slots[k].name[text.size()] = 0;
            // The name is whole before the handler may see the slot.
            std::atomic_signal_fence(std::memory_order_seq_cst);
            slots[k].used = 1;
            return k;
        }
    }
    return -1;
}

void UnregisterScratch(int slot) {
    if (slot >= 0 && slot < kSlots) {
        slots[slot].used = 0;
    }
}

unsigned long OwnProcessId() {
#ifdef _WIN32
    return GetCurrentProcessId();
#else
    return static_cast<unsigned long>(getpid());
#endif
}

bool ProcessIsGone(unsigned long pid) {
#ifdef _WIN32
    const HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, static_cast<DWORD>(pid));
    if (process == nullptr) {
        return GetLastError() == ERROR_INVALID_PARAMETER;
    }
    const bool ended = WaitForSingleObject(process, 0) == WAIT_OBJECT_0;
    CloseHandle(process);
    return ended;
#else
    return pid <= static_cast<unsigned long>(INT_MAX) && kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH;
#endif
}
