// Wall time of a seeded 10-fold, 10-repetition `quorvanta-batch predict` on the ECSI example:
// the estimate, 100 training samples in one engine run, their predictions and the files.
#include "bench/batch/BatchTiming.h"

int main(int argc, char** argv) {
    return qv::bench::TimeEcsiBatch("predict", "--folds 10 --repetitions 10 --seed 1", qv::bench::RunsAsked(argc, argv),
                                    "quorvanta-batch predict ECSI, 10 folds x 10 repetitions (100 training samples)");
}
