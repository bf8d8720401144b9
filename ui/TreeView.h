// The tree view with its image list.
#pragma once

#include "ui/Control.h"
#include "ui/ImageList.h"

namespace ui {

class TreeView : public Control {
  public:
    using Control::Control;

    void SetImageList(const ImageList& images) { window().TreeSetImageList(Id(), images.Handle()); }
    // Appends an item last under parent (kTreeRoot for the top level).
    TreeItem InsertItem(TreeItem parent, std::u16string_view text, int image, int selectedImage) {
        return window().TreeInsertItem(Id(), parent, text, image, selectedImage);
    }
    void Expand(TreeItem item) { window().TreeExpand(Id(), item); }
    TreeItem GetSelectedItem() const { return window().TreeSelection(Id()); }
    void SelectItem(TreeItem item) { window().TreeSelect(Id(), item); }
    std::u16string GetItemText(TreeItem item) const { return window().TreeItemText(Id(), item); }
    void SetItemBold(TreeItem item, bool bold) { window().TreeSetItemBold(Id(), item, bold); }
    bool IsItemBold(TreeItem item) const { return window().TreeItemBold(Id(), item); }
};

}  // namespace ui
