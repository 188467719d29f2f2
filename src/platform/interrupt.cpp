#include "platform/interrupt.h"

#include <atomic>
#include <csignal>

#ifdef _WIN32
#include <windows.h>
#endif

namespace orvalis {

namespace {

// Set from a signal handler (or, on Windows, the console's handler thread).
std::atomic<bool> g_interrupted{false};
static_assert(std::atomic<bool>::is_always_lock_free);

#ifdef _WIN32
BOOL WINAPI OnConsoleControl(DWORD event) {
    if (event != CTRL_C_EVENT && event != CTRL_BREAK_EVENT) return FALSE;
    // The second one is left to Windows, which ends the program.
    return g_interrupted.exchange(true) ? FALSE : TRUE;
}
#else
extern "C" void OnInterrupt(int) {
    g_interrupted.store(true);
    std::signal(SIGINT, SIG_DFL);  // the second one ends the program
}
#endif

}  // namespace

void CatchInterrupt() {
#ifdef _WIN32
    SetConsoleCtrlHandler(OnConsoleControl, TRUE);
#else
    // A run started to ignore Ctrl-C (in the background, under nohup) keeps
    // ignoring it.
    if (std::signal(SIGINT, OnInterrupt) == SIG_IGN) std::signal(SIGINT, SIG_IGN);
#endif
}

void IgnoreClosedPipes() {
#ifndef _WIN32
    std::signal(SIGPIPE, SIG_IGN);
#endif
}

bool Interrupted() {
    return g_interrupted.load();
}

}  // namespace orvalis
