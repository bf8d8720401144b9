// Base of the hosted settings pages: a child dialog that, first thing when it initialises,
// sets its window caption (the main dialog finds the page by it) and its group box caption
// to the page's title text, then fills its controls.
#pragma once

#include <cstdint>

#include "ui/Dialog.h"

namespace ui {

class PageDialog : public Dialog {
  public:
    PageDialog(int templateId, std::uint32_t titleId) : Dialog(templateId), titleId_(titleId) {}

    std::uint32_t TitleId() const { return titleId_; }

  protected:
    bool OnInitDialog() override;
    // Sets the page's own captions and loads its controls; runs after the titles are set.
    virtual void InitPage() {}

  private:
    std::uint32_t titleId_;
};

}  // namespace ui
