#pragma once

#include <functional>
#include <string>

namespace lvpls {

// Runs the work of one problem and returns why it failed, empty when it did not. Whatever
// went wrong stays with that problem, so the next one is still estimated.
std::string problemFailure(const std::function<void()>& work);

}  // namespace lvpls
