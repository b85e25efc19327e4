#pragma once

#include "lvpls/Problem.h"

#include <condition_variable>
#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace lvpls {

// Runs the problems of a listing on a pool of threads and hands their listings to `write` in
// the order they were submitted, always on the submitting thread, so the output is the same
// byte for byte whatever the number of threads. Each thread keeps its own workspace from job
// to job. At most a few jobs per thread wait or stand finished ahead of the writing, so the
// memory stays bounded however many problems come.
class OrderedWorkers {
public:
    using Job = std::function<std::string(Problem& workspace)>;
    using Writer = std::function<void(std::string_view)>;

    // One thread runs every job on the caller's thread.
    OrderedWorkers(int threads, Writer write);
    OrderedWorkers(const OrderedWorkers&) = delete;
    OrderedWorkers& operator=(const OrderedWorkers&) = delete;
    ~OrderedWorkers();

    void submit(Job job);
    // Waits for every job and writes what is left.
    void finish();

private:
    void work();
    // Writes the finished listings that are next in order; with `untilBelow`, waits until
    // fewer than that many jobs are unwritten.
    void writeInOrder(std::size_t untilBelow);

    Writer write_;
    Problem workspace_;  // of the caller's thread, for a single thread
    std::size_t window_ = 0;
    std::mutex mutex_;
    std::condition_variable jobWaiting_;
    std::condition_variable jobDone_;
    std::deque<std::pair<long, Job>> jobs_;
    std::map<long, std::string> done_;
    long submitted_ = 0;
    long written_ = 0;
    bool closing_ = false;
    std::vector<std::thread> threads_;
};

}  // namespace lvpls
