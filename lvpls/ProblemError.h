#pragma once

#include <stdexcept>
#include <string>

namespace lvpls {

// A problem that cannot be estimated; the message is the reason printed after "Error:".
class ProblemError : public std::runtime_error {
public:
    explicit ProblemError(const std::string& reason) : std::runtime_error(reason) {}
};

}  // namespace lvpls
