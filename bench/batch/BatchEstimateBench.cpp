// Wall time of `quorvanta-batch estimate` on the ECSI example.
#include "bench/batch/BatchTiming.h"

int main(int argc, char** argv) {
    return qv::bench::TimeEcsiBatch("estimate", "", qv::bench::RunsAsked(argc, argv),
                                    "quorvanta-batch estimate ECSI (250 cases, 24 indicators, 7 constructs)");
}
