// The operator of a fuzzed session: each step, read from the input, acts on the dialog the
// operator faces (an open message box, else a sub-dialog, else the shown page or the tree).
#pragma once

#include "fuzz/FuzzInput.h"
#include "ui/headless/HeadlessBackend.h"

namespace fuzz {

class SessionScript {
  public:
    // Sessions end after this many steps even when the input goes on.
    static constexpr int kMaxSteps = 96;

    SessionScript(ui::headless::HeadlessBackend& backend, FuzzInput& input)
        : backend_(backend), in_(input) {}

    // One step; false when the input or the step budget is used up.
    bool Step();

  private:
    ui::headless::HeadlessWindow* MainWindow() const;
    // The sub-dialog on top, else the shown page; null when there is neither.
    ui::headless::HeadlessWindow* Facing() const;
    // The ids of the controls of one kind the operator can reach.
    std::vector<int> Reachable(ui::headless::HeadlessWindow& window,
                               std::initializer_list<ui::headless::ControlKind> kinds) const;
    int Choose(const std::vector<int>& ids);

    ui::headless::HeadlessBackend& backend_;
    FuzzInput& in_;
    int steps_ = 0;
};

}  // namespace fuzz
