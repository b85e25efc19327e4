#pragma once

#include <string>
#include <vector>

#include "core/editing/DialogContext.h"

namespace qv {

// The model side of "Configuration of 2nd-order Construct": which first-order constructs a
// second-order construct is measured by. Only first-order constructs without paths are
// offered, free ones (no second-order construct yet) on one side and the members on the other.
class SecondOrderMembership {
public:
    SecondOrderMembership(DialogContext context, int secondOrder);

    // The dialog's fields: Edit1 and RadioGroup1 (0 reflective, 1 formative).
    std::string name;
    int mode = 0;

    // FormShow: fills both lists; tells MSG_No1stOrderConstruct when both are empty.
    void show();
    // RadioGroup1's texts: MSG_Reflective and MSG_Formative.
    std::vector<std::string> modeTexts() const;
    // BitBtn2Click (Assign) and BitBtn1Click (Remove): the selected rows of the source list
    // move, in list order, to the end of the other list. Marks the model modified at once.
    void assign(const std::vector<int>& selectedRows);
    void remove(const std::vector<int>& selectedRows);
    // BTN_OKClick: the name checks (a refusal is told and keeps the dialog open), then the
    // name, the mode and the membership take effect. Returns whether the dialog may close.
    bool ok();

    // Construct indexes behind ListBox1 (free) and ListBox2 (members), and their captions.
    const std::vector<int>& freeConstructs() const { return free_; }
    const std::vector<int>& members() const { return members_; }
    std::vector<std::string> captions(const std::vector<int>& constructs) const;

private:
    bool offered(int construct) const;
    void move(std::vector<int>& from, std::vector<int>& to, const std::vector<int>& selectedRows);

    DialogContext c_;
    int secondOrder_;
    std::vector<int> free_;
    std::vector<int> members_;
};

}  // namespace qv
