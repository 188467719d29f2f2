#pragma once

#include <functional>
#include <string>
#include <vector>

namespace orvalis::forms {

// The window controls as the models hold them: plain state under the names
// the windows use, so a handler reads like the window it belongs to. The Qt
// windows show this state and forward the user's edits to it.

struct Label {
    std::string Caption;
    bool Visible = true;
};

// A text box. Setting a different text runs its change handler, whether the
// user typed it or a handler filled the box.
class TextBox {
  public:
    explicit TextBox(std::string text = "") : text_(std::move(text)) {}

    const std::string& Text() const { return text_; }
    void SetText(std::string text);

    std::function<void()> Change;

  private:
    std::string text_;
};

// A list box; ListIndex is -1 when nothing is selected. A multi-select list
// also keeps a selected flag per entry.
class ListBox {
  public:
    int ListCount() const { return static_cast<int>(items_.size()); }
    const std::string& List(int index) const { return items_.at(static_cast<std::size_t>(index)); }
    const std::vector<std::string>& Items() const { return items_; }

    void AddItem(std::string item);
    void RemoveItem(int index);
    void Clear();

    int ListIndex() const { return list_index_; }
    // Throws std::out_of_range for an index that is neither -1 nor an entry.
    void SetListIndex(int index);

    bool Selected(int index) const { return selected_.at(static_cast<std::size_t>(index)); }
    void SetSelected(int index, bool selected);

  private:
    std::vector<std::string> items_;
    std::vector<bool> selected_;
    int list_index_ = -1;
};

// A combo box: a list and an editable text; selecting an entry sets the text.
class ComboBox {
  public:
    int ListCount() const { return static_cast<int>(items_.size()); }
    const std::vector<std::string>& Items() const { return items_; }
    void AddItem(std::string item) { items_.push_back(std::move(item)); }
    void Clear();

    int ListIndex() const { return list_index_; }
    void SetListIndex(int index);  // throws std::out_of_range

    const std::string& Text() const { return text_; }
    void SetText(std::string text);  // typed text; no entry is selected by it

  private:
    std::vector<std::string> items_;
    int list_index_ = -1;
    std::string text_;
};

// A grid of texts addressed as TextMatrix(row, column), row 0 and column 0
// being the fixed headings.
class FlexGrid {
  public:
    FlexGrid(int rows, int cols);

    int Rows() const { return rows_; }
    int Cols() const { return cols_; }
    // Changing the row count keeps the texts of the rows that remain.
    void SetRows(int rows);

    // Both throw std::out_of_range outside the grid.
    const std::string& TextMatrix(int row, int col) const;
    void SetTextMatrix(int row, int col, std::string text);

  private:
    std::size_t Index(int row, int col) const;

    int rows_;
    int cols_;
    std::vector<std::string> cells_;
};

struct CheckBox {
    std::string Caption;
    int Value = 0;  // 1 when checked
};

struct Button {
    std::string Caption;
    bool Visible = true;
    bool Enabled = true;
};

// An option button of a frame; at most one of a frame's options is set.
struct OptionButton {
    std::string Caption;
    bool Value = false;
};

}  // namespace orvalis::forms
