// The operator of a session that only looks: it shows every node of the tree in turn, picks
// every entry of the lists that choose what a page shows (channel, day, input, event type),
// answers refusals, and closes the window. Nothing was edited, so closing must never ask
// whether to lose edits, whatever the recorder holds; a question means a page found edits in
// what it merely showed.
#pragma once

#include <cstddef>
#include <deque>

#include "ui/headless/HeadlessBackend.h"

namespace fuzz {

class PageTour {
  public:
    explicit PageTour(ui::headless::HeadlessBackend& backend) : backend_(backend) {}

    // One step; false once the window was closed.
    bool Step();
    // Whether closing asked about pending edits.
    bool Asked() const { return asked_; }

  private:
    struct Pick {
        int templateId;  // the page's
        int list;
        int index;
    };
    // The picks that look at every entry of the shown page's selectors, each in turn.
    void PlanPicks(ui::headless::HeadlessWindow& main);

    ui::headless::HeadlessBackend& backend_;
    std::size_t next_ = 0;  // the tree node to show next
    std::deque<Pick> picks_;
    bool closed_ = false;
    bool asked_ = false;
};

}  // namespace fuzz
