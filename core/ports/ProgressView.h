#pragma once

#include <string>

namespace qv {

// The progress window shown while the engine runs. setPosition is called at every poll,
// so an implementation can keep itself painted and notice a Cancel there.
class ProgressView {
public:
    virtual ~ProgressView() = default;
    virtual void start(const std::string& caption, int maximum) = 0;
    virtual void setPosition(int position) = 0;
    virtual bool cancelRequested() = 0;
    virtual void finish() = 0;
};

}  // namespace qv
