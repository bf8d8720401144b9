// Columns of radio buttons choosing a mode each.
#include "pages/common/ModeColumns.h"

#include <algorithm>

#include "ui/DataExchange.h"
#include "ui/Dialog.h"

namespace pages {

void ModeColumns::SetUp(ui::Dialog& dialog, int count) {
    count = std::clamp(count, 0, int(columns_.size()));
    modes_.assign(std::size_t(count), -1);
    for (std::size_t c = std::size_t(count); c < columns_.size(); ++c) {
        const Column& column = columns_[c];
        for (int id : {column.number, column.stop, column.manual, column.automatic})
            dialog.GetWindow().ShowControl(id, false);
    }
}

std::optional<std::uint8_t> ModeColumns::Mode(int column) const {
    const int mode = modes_[std::size_t(column)];
    return mode >= 0 && mode <= 2 ? std::optional<std::uint8_t>(std::uint8_t(mode)) : std::nullopt;
}

void ModeColumns::Exchange(ui::DataExchange& dx) {
    for (std::size_t c = 0; c < modes_.size(); ++c)
        dx.Radio(columns_[c].stop, modes_[c]);
}

bool ModeColumns::OnClicked(ui::Dialog& dialog, int id) {
    const int mode = id == all_.stop ? 0 : id == all_.manual ? 1 : id == all_.automatic ? 2 : -1;
    if (mode < 0)
        return false;
    std::fill(modes_.begin(), modes_.end(), mode);
    dialog.UpdateData(ui::Direction::ToControls);
    return true;
}

}  // namespace pages
