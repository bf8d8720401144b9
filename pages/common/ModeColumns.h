// Columns of radio buttons, one per channel or output, each choosing a mode: Stop, Manual or
// Auto (0, 1, 2, the byte the record stores), with an "All Sel." button per mode. Columns
// beyond the recorder's count are hidden and keep their bytes; a byte outside 0..2 checks no
// button, and a column without a checked button keeps its byte too.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace ui {
class DataExchange;
class Dialog;
}  // namespace ui

namespace pages {

class ModeColumns {
  public:
    // The controls of one column. The Stop button opens the column's radio group.
    struct Column {
        int number;
        int stop;
        int manual;
        int automatic;
    };
    // The "All Sel." buttons of the modes.
    struct AllButtons {
        int stop;
        int manual;
        int automatic;
    };

    ModeColumns(std::span<const Column> columns, AllButtons all) : columns_(columns), all_(all) {}

    // Keeps count columns (at most the template's) and hides the others.
    void SetUp(ui::Dialog& dialog, int count);
    int Count() const { return int(modes_.size()); }

    // The stored mode byte of a column, and the mode its buttons give; none when no button is
    // checked.
    void Load(int column, std::uint8_t mode) { modes_[std::size_t(column)] = std::int8_t(mode); }
    std::optional<std::uint8_t> Mode(int column) const;

    void Exchange(ui::DataExchange& dx);
    // Called with a clicked button: an "All Sel." button puts every column into its mode.
    bool OnClicked(ui::Dialog& dialog, int id);

  private:
    std::span<const Column> columns_;
    AllButtons all_;
    // Position of the checked button in each column, from Stop; -1 or beyond 2 for none.
    std::vector<int> modes_;
};

}  // namespace pages
