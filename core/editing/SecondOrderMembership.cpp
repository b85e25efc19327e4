#include "core/editing/SecondOrderMembership.h"

#include <algorithm>
#include <set>

#include "core/editing/ConstructAssignment.h"

namespace qv {

SecondOrderMembership::SecondOrderMembership(DialogContext context, int secondOrder)
    : c_(context), secondOrder_(secondOrder) {}

bool SecondOrderMembership::offered(int construct) const {
    const ProjectModel& model = c_.model;
    if (model.constructs[construct].order != 1) return false;
    return std::none_of(model.paths.begin(), model.paths.begin() + model.nPath, [construct](const Path& path) {
        return path.src == construct || path.dest == construct;
    });
}

void SecondOrderMembership::show() {
    free_.clear();
    members_.clear();
    if (secondOrder_ < 0 || secondOrder_ >= c_.model.nConstruct) return;
    for (int c = 0; c < c_.model.nConstruct; ++c) {
        if (!offered(c)) continue;
        const int parent = c_.model.constructs[c].construct;
        if (parent == secondOrder_) members_.push_back(c);
        else if (parent == -1) free_.push_back(c);
    }
    name = c_.model.constructs[secondOrder_].caption;
    mode = c_.model.constructs[secondOrder_].type;
    if (free_.empty() && members_.empty()) c_.tell("MSG_No1stOrderConstruct");
}

std::vector<std::string> SecondOrderMembership::modeTexts() const {
    return {c_.texts.lookup("MSG_Reflective"), c_.texts.lookup("MSG_Formative")};
}

std::vector<std::string> SecondOrderMembership::captions(const std::vector<int>& constructs) const {
    std::vector<std::string> texts;
    for (const int c : constructs) texts.push_back(c_.model.constructs[c].caption);
    return texts;
}

void SecondOrderMembership::move(std::vector<int>& from, std::vector<int>& to,
                                 const std::vector<int>& selectedRows) {
    const std::set<int> rows(selectedRows.begin(), selectedRows.end());
    std::vector<int> kept;
    for (int row = 0; row < static_cast<int>(from.size()); ++row)
        (rows.count(row) ? to : kept).push_back(from[row]);
    from = std::move(kept);
    c_.model.modified = true;
}

void SecondOrderMembership::assign(const std::vector<int>& selectedRows) { move(free_, members_, selectedRows); }

void SecondOrderMembership::remove(const std::vector<int>& selectedRows) { move(members_, free_, selectedRows); }

bool SecondOrderMembership::ok() {
    if (secondOrder_ < 0 || secondOrder_ >= c_.model.nConstruct || c_.model.constructs[secondOrder_].order != 2)
        return true;
    if (const std::string refusal = CheckConstructName(c_.model, secondOrder_, name); !refusal.empty()) {
        c_.tell(refusal);
        return false;
    }
    // Links go through the model so that the member count always equals the links it holds.
    for (const int c : free_)
        if (c_.model.constructs[c].construct == secondOrder_) c_.model.linkConstruct(c, -1);
    for (const int c : members_)
        if (c_.model.constructs[c].construct != secondOrder_) c_.model.linkConstruct(c, secondOrder_);
    Construct& construct = c_.model.constructs[secondOrder_];
    construct.caption = name;
    construct.type = mode == 1 ? 1 : 0;
    c_.model.modified = true;
    return true;
}

}  // namespace qv
