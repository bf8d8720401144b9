// Data exchange between a dialog's value members and its controls, in a named direction.
#pragma once

#include <string>

namespace ui {

class Window;

enum class Direction { ToControls, FromControls };

class DataExchange {
  public:
    DataExchange(Window& window, Direction direction) : window_(window), direction_(direction) {}

    Direction direction() const { return direction_; }
    bool ToControls() const { return direction_ == Direction::ToControls; }

    // The text of an edit or static control.
    void Text(int id, std::u16string& value);
    // A check box: 0 unchecked, 1 checked.
    void Check(int id, int& value);
    // A radio group opened by firstId: the position of the checked button, -1 for none.
    void Radio(int firstId, int& value);
    // The selected index of a drop-down list, -1 for none.
    void ComboIndex(int id, int& value);

  private:
    Window& window_;
    Direction direction_;
};

}  // namespace ui
