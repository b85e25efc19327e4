#pragma once

#include <string>

namespace qv {

// Ends a batch run from outside: SIGINT, SIGTERM, or the time limit of --timeout. Such a
// stop makes the engine wait give up, which ends the engine's process group; the run then
// winds up and the program exits with BatchStopStatus. Should the run not come back to a
// wait within a few seconds, the program exits by itself (no engine runs outside a wait).

// Installs the handlers; seconds > 0 also sets the time limit.
void InstallBatchInterrupt(int seconds);

bool BatchStopRequested();
// 124 for the time limit, 128 + the signal's number otherwise.
int BatchStopStatus();
// "the run was ended at its time limit of N s" or "interrupted by SIGINT".
std::string BatchStopReason();

}  // namespace qv
