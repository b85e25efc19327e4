#include "cli/BatchInterrupt.h"

#include <signal.h>
#include <unistd.h>

namespace qv {
namespace {

// How long the run may take to wind up after a stop before the program exits by itself.
constexpr unsigned kWindUpSeconds = 5;
constexpr int kTimeLimitStatus = 124;

volatile sig_atomic_t stopSignal = 0;
int timeLimit = 0;

int statusOf(int signal) { return signal == SIGALRM ? kTimeLimitStatus : 128 + signal; }

void onStop(int signal) {
    if (stopSignal == 0) {
        stopSignal = signal;
        alarm(kWindUpSeconds);
    } else if (signal == SIGALRM) {
        _exit(statusOf(stopSignal));
    }
}

}  // namespace

void InstallBatchInterrupt(int seconds) {
    struct sigaction action {};
    action.sa_handler = onStop;
    sigemptyset(&action.sa_mask);
    // Reads, writes and waits go on after the handler; the engine wait looks at the flag.
    action.sa_flags = SA_RESTART;
    for (int signal : {SIGINT, SIGTERM, SIGALRM}) sigaction(signal, &action, nullptr);
    timeLimit = seconds;
    if (seconds > 0) alarm(static_cast<unsigned>(seconds));
}

bool BatchStopRequested() { return stopSignal != 0; }

int BatchStopStatus() { return statusOf(stopSignal); }

std::string BatchStopReason() {
    if (stopSignal == SIGALRM)
        return "the run was ended at its time limit of " + std::to_string(timeLimit) + " s";
    return std::string("interrupted by ") + (stopSignal == SIGINT ? "SIGINT" : "SIGTERM");
}

}  // namespace qv
