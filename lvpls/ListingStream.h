#pragma once

#include <functional>
#include <istream>
#include <string_view>

namespace lvpls {

// Estimates every problem of a control file on `threads` threads and hands each problem's
// listing to `write`, in the order of the file, on the calling thread. Only a few problems per
// thread are held in memory, however many the file holds. Returns the number of problems.
int streamListing(std::istream& input, const std::function<void(std::string_view)>& write, int threads = 1);

}  // namespace lvpls
