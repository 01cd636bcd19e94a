// Scratch files that an interrupted run removes: on SIGINT, SIGTERM and
// SIGHUP (on Windows the console's Ctrl+C, Ctrl+Break and close events)
// every registered name is removed and the program exits with 128 + the
// signal's number (130, 143, 129). The names sit in a fixed table of
// character arrays, as the handler may neither allocate nor lock.
#ifndef BRACING_CLI_SCRATCH_CLEANUP_H
#define BRACING_CLI_SCRATCH_CLEANUP_H

#include <string>

// Once, at the start of the program.
void RemoveScratchOnInterrupt();

// Before the file is created; returns the slot, or -1 when the table is
// full or the name too long (the file is then left for a later run to
// remove, as after SIGKILL).
int RegisterScratch(const std::string& name);
// After the file was renamed or removed.
void UnregisterScratch(int slot);

// Whether the process `pid` is gone, so that its scratch files may go too.
bool ProcessIsGone(unsigned long pid);
unsigned long OwnProcessId();

#endif
