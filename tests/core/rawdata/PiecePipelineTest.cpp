#include "core/rawdata/formats/PiecePipeline.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

namespace qv {
namespace {

// Workers that finish out of order (the even pieces take longer) still hand their results
// over in the order the pieces were made, each exactly once.
TEST(PiecePipeline, ResultsArriveInTheOrderOfThePieces) {
    const auto work = [](TextPiece& piece, std::string& result) {
        if (piece.number % 2 == 0) std::this_thread::sleep_for(std::chrono::microseconds(300));
        result = piece.text + "!";
    };
    PiecePipeline<std::string> pipeline(3, work);
    std::thread producer([&] {
        for (size_t number = 0; number < 200; ++number) pipeline.push({number * 10, std::to_string(number), number});
        pipeline.close("");
    });
    std::vector<std::string> taken;
    const std::string error = pipeline.consume([&](std::string& result) {
        taken.push_back(result);
        return true;
    });
    producer.join();
    EXPECT_EQ(error, "");
    ASSERT_EQ(taken.size(), 200u);
    for (size_t number = 0; number < taken.size(); ++number) EXPECT_EQ(taken[number], std::to_string(number) + "!");
}

// A consumer that stops early stops the producer too (its pushes are refused) and nothing
// waits forever; a producer's error reaches the consumer after the pieces made before it.
TEST(PiecePipeline, StoppingEarlyAndProducerErrorsEndEveryThread) {
    const auto work = [](TextPiece& piece, std::string& result) { result = piece.text; };
    {
        PiecePipeline<std::string> pipeline(2, work);
        size_t refusedAt = 0;
        std::thread producer([&] {
            for (size_t number = 0; number < 100000; ++number)
                if (!pipeline.push({0, "x", number})) {
                    refusedAt = number;
                    break;
                }
            pipeline.close("");
        });
        int taken = 0;
        pipeline.consume([&](std::string&) { return ++taken < 5; });
        producer.join();
        EXPECT_EQ(taken, 5);
        EXPECT_GT(refusedAt, 0u);
        EXPECT_LT(refusedAt, 100u);
    }
    PiecePipeline<std::string> pipeline(2, work);
    std::thread producer([&] {
        pipeline.push({0, "a", 0});
        pipeline.push({1, "b", 1});
        pipeline.close("the part ends inside its rows");
    });
    std::string taken;
    const std::string error = pipeline.consume([&](std::string& result) {
        taken += result;
        return true;
    });
    producer.join();
    EXPECT_EQ(taken, "ab");
    EXPECT_EQ(error, "the part ends inside its rows");
}

}  // namespace
}  // namespace qv
