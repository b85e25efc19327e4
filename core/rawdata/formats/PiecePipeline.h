#pragma once

#include <condition_variable>
#include <cstddef>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace qv {

// A piece of a part's text, where it starts in the part, counted in bytes, and its place
// among the pieces.
struct TextPiece {
    size_t offset = 0;
    std::string text;
    size_t number = 0;
};

// Hands pieces from one producing thread to worker threads that turn each into a Result,
// and the results to the consuming thread in the order the pieces were made: parsing runs
// on every core while the rows still arrive in the sheet's order. At most a few pieces per
// worker are on their way at once, so memory stays bounded whatever the part's size.
template <typename Result>
class PiecePipeline {
public:
    // Fills a result, which may hold what an earlier piece left in it.
    using Work = std::function<void(TextPiece&, Result&)>;
    // Returns false when no more results are wanted.
    using Take = std::function<bool(Result&)>;

    // Enough pieces on their way that a worker seldom waits for a slow one to be taken.
    PiecePipeline(size_t workers, Work work) : work_(std::move(work)), ahead_(8 * workers) {
        for (size_t worker = 0; worker < workers; ++worker) workers_.emplace_back([this] { runWorker(); });
    }
    ~PiecePipeline() {
        abandon();
        for (std::thread& worker : workers_) worker.join();
    }
    PiecePipeline(const PiecePipeline&) = delete;
    PiecePipeline& operator=(const PiecePipeline&) = delete;

    // Called by the producer; waits while too many pieces are on their way. False once the
    // consumer stopped.
    bool push(TextPiece&& piece) {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [&] { return made_ - taken_ < ahead_ || abandoned_; });
        if (abandoned_) return false;
        waiting_.emplace(made_++, std::move(piece));
        changed_.notify_all();
        return true;
    }
    // A text buffer a worker is done with, emptied, or a new one: the pieces keep reusing
    // the same memory instead of having the system hand out fresh pages for each.
    std::string spareText() {
        std::lock_guard lock(mutex_);
        if (spareTexts_.empty()) return {};
        std::string text = std::move(spareTexts_.back());
        spareTexts_.pop_back();
        return text;
    }
    // The producer is done; error says why it stopped early, or is empty.
    void close(std::string error) {
        std::lock_guard lock(mutex_);
        closed_ = true;
        error_ = std::move(error);
        changed_.notify_all();
    }
    bool abandoned() {
        std::lock_guard lock(mutex_);
        return abandoned_;
    }
    // Called by the consumer: takes the results in order until take refuses one or the
    // producer closed and every piece was taken. Returns the producer's error, if any.
    std::string consume(const Take& take) {
        for (;;) {
            Result result;
            {
                std::unique_lock lock(mutex_);
                changed_.wait(lock, [&] { return done_.contains(taken_) || (closed_ && taken_ == made_); });
                if (!done_.contains(taken_)) return error_;
                result = std::move(done_.at(taken_));
                done_.erase(taken_++);
                changed_.notify_all();
            }
            const bool taken = take(result);
            std::lock_guard lock(mutex_);
            spareResults_.push_back(std::move(result));
            if (!taken) {
                abandoned_ = true;
                changed_.notify_all();
                return {};
            }
        }
    }

private:
    void abandon() {
        std::lock_guard lock(mutex_);
        abandoned_ = true;
        changed_.notify_all();
    }
    void runWorker() {
        for (;;) {
            std::unique_lock lock(mutex_);
            changed_.wait(lock, [&] { return !waiting_.empty() || closed_ || abandoned_; });
            if (abandoned_ || waiting_.empty()) return;
            auto node = waiting_.extract(waiting_.begin());
            Result result;
            if (!spareResults_.empty()) {
                result = std::move(spareResults_.back());
                spareResults_.pop_back();
            }
            lock.unlock();
            work_(node.mapped(), result);
            node.mapped().text.clear();
            lock.lock();
            spareTexts_.push_back(std::move(node.mapped().text));
            done_.emplace(node.key(), std::move(result));
            changed_.notify_all();
        }
    }

    Work work_;
    const size_t ahead_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::map<size_t, TextPiece> waiting_;
    std::map<size_t, Result> done_;
    std::vector<Result> spareResults_;
    std::vector<std::string> spareTexts_;
    size_t made_ = 0;
    size_t taken_ = 0;
    bool closed_ = false;
    bool abandoned_ = false;
    std::string error_;
    std::vector<std::thread> workers_;  // last: they start once everything else is set
};

}  // namespace qv
