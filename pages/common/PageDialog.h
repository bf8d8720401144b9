// Base of the hosted settings pages and of the sub-dialogs: a dialog that, first thing when it
// initialises, sets its window caption (the main dialog finds a page by it) and the caption of
// its frame to its title text, then fills its controls.
#pragma once

#include <cstdint>

#include "ui/Dialog.h"

namespace pages {

class PageDialog : public ui::Dialog {
  public:
    PageDialog(int templateId, std::uint32_t titleId) : Dialog(templateId), titleId_(titleId) {}

    std::uint32_t TitleId() const { return titleId_; }

  protected:
    bool OnInitDialog() override;
    // Sets the dialog's own captions and loads its controls; runs after the title is set.
    virtual void InitPage() {}

  private:
    std::uint32_t titleId_;
};

}  // namespace pages
