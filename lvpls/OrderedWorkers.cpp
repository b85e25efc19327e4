#include "lvpls/OrderedWorkers.h"

namespace lvpls {

OrderedWorkers::OrderedWorkers(int threads, Writer write) : write_(std::move(write)) {
    if (threads <= 1) return;
    window_ = 2 * std::size_t(threads) + 2;
    for (int t = 0; t < threads; ++t) threads_.emplace_back([this] { work(); });
}

OrderedWorkers::~OrderedWorkers() {
    {
        const std::lock_guard lock(mutex_);
        closing_ = true;
    }
    jobWaiting_.notify_all();
    for (std::thread& thread : threads_) thread.join();
}

void OrderedWorkers::submit(Job job) {
    if (threads_.empty()) {
        write_(job(workspace_));
        return;
    }
    {
        const std::lock_guard lock(mutex_);
        jobs_.emplace_back(submitted_++, std::move(job));
    }
    jobWaiting_.notify_one();
    writeInOrder(window_);
}

void OrderedWorkers::finish() {
    if (!threads_.empty()) writeInOrder(1);
}

void OrderedWorkers::writeInOrder(std::size_t untilBelow) {
    std::unique_lock lock(mutex_);
    for (;;) {
        const auto next = done_.find(written_);
        if (next == done_.end()) {
            if (std::size_t(submitted_ - written_) < untilBelow) return;
            jobDone_.wait(lock);
            continue;
        }
        const std::string listing = std::move(next->second);
        done_.erase(next);
        ++written_;
        lock.unlock();
        write_(listing);
        lock.lock();
    }
}

void OrderedWorkers::work() {
    Problem workspace;
    std::unique_lock lock(mutex_);
    for (;;) {
        jobWaiting_.wait(lock, [this] { return closing_ || !jobs_.empty(); });
        if (jobs_.empty()) return;
        auto [index, job] = std::move(jobs_.front());
        jobs_.pop_front();
        lock.unlock();
        std::string listing = job(workspace);
        lock.lock();
        done_.emplace(index, std::move(listing));
        jobDone_.notify_one();
    }
}

}  // namespace lvpls
