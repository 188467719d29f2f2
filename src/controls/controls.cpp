#include "controls/controls.h"

#include <stdexcept>

namespace orvalis::forms {

void TextBox::SetText(std::string text) {
    if (text == text_) return;
    text_ = std::move(text);
    if (Change) Change();
}

void ListBox::AddItem(std::string item) {
    items_.push_back(std::move(item));
    selected_.push_back(false);
}

void ListBox::RemoveItem(int index) {
    if (index < 0 || index >= ListCount()) throw std::out_of_range("list entry out of range");
    items_.erase(items_.begin() + index);
    selected_.erase(selected_.begin() + index);
    if (list_index_ >= ListCount()) list_index_ = ListCount() - 1;
}

void ListBox::Clear() {
    items_.clear();
    selected_.clear();
    list_index_ = -1;
}

void ListBox::SetListIndex(int index) {
    if (index < -1 || index >= ListCount()) throw std::out_of_range("list entry out of range");
    list_index_ = index;
}

void ListBox::SetSelected(int index, bool selected) {
    selected_.at(static_cast<std::size_t>(index)) = selected;
}

void ComboBox::Clear() {
    items_.clear();
    list_index_ = -1;
    text_.clear();
}

void ComboBox::SetListIndex(int index) {
    if (index < -1 || index >= ListCount()) throw std::out_of_range("list entry out of range");
    list_index_ = index;
    if (index >= 0) text_ = items_[static_cast<std::size_t>(index)];
}

void ComboBox::SetText(std::string text) {
    text_ = std::move(text);
    list_index_ = -1;
    for (int i = 0; i < ListCount(); ++i) {
        if (items_[static_cast<std::size_t>(i)] == text_) list_index_ = i;
    }
}

FlexGrid::FlexGrid(int rows, int cols)
    : rows_(rows), cols_(cols), cells_(static_cast<std::size_t>(rows * cols)) {}

void FlexGrid::SetRows(int rows) {
    if (rows < 0) throw std::out_of_range("negative row count");
    cells_.resize(static_cast<std::size_t>(rows * cols_));
    rows_ = rows;
}

std::size_t FlexGrid::Index(int row, int col) const {
    if (row < 0 || row >= rows_ || col < 0 || col >= cols_) {
        throw std::out_of_range("grid cell (" + std::to_string(row) + ", " + std::to_string(col) +
                                ") outside the grid");
    }
    return static_cast<std::size_t>(row * cols_ + col);
}

const std::string& FlexGrid::TextMatrix(int row, int col) const {
    return cells_[Index(row, col)];
}

void FlexGrid::SetTextMatrix(int row, int col, std::string text) {
    cells_[Index(row, col)] = std::move(text);
}

}  // namespace orvalis::forms
