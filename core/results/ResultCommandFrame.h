#pragma once

#include <string>

#include "core/results/ResultContext.h"

namespace qv {

// The steps every table command shares: the question when nothing has been estimated, the
// file named from the model file, writing it, and handing it to the desktop.
class ResultCommandFrame {
public:
    explicit ResultCommandFrame(const ResultContext& context) : c_(context) {}

    // Asks OK/Cancel when the model holds no estimate; OK goes on with whatever the result
    // fields hold.
    bool confirmEstimated() const;

    // "<folder><stem><suffix>" of the model file; the bare suffix when the model has no file.
    std::string fileName(const std::string& suffix) const;

    // Replaces the file by text (WriteWholeFile). A file that cannot be written is told as
    // "cannot write FILE: reason" under the key MSG_OpenError and gives false; the previous
    // file stays.
    bool write(const std::string& path, const std::string& text) const;
    // write, then the status line names the file and the desktop opens it with its
    // associated program.
    bool writeAndOpen(const std::string& path, const std::string& text) const;

    // A text of the system's own (a conversion error, a listing that cannot be read).
    void tellText(const std::string& text) const;

private:
    const ResultContext& c_;
};

}  // namespace qv
