#pragma once

#include <filesystem>

namespace qv {

// A command script run as its own hidden process group, so that a cancel can end the
// script and the engine it started together.
class DetachedProcess {
public:
    DetachedProcess() = default;
    DetachedProcess(const DetachedProcess&) = delete;
    DetachedProcess& operator=(const DetachedProcess&) = delete;
    ~DetachedProcess();

    bool start(const std::filesystem::path& script);
    bool hasEnded();   // reaps the process once it has ended
    void terminate();  // ends the whole group and reaps it

private:
    long pid_ = -1;
};

}  // namespace qv
