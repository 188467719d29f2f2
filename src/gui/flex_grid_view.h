#pragma once

#include <QTableWidget>
#include <vector>

namespace orvalis::forms {
class FlexGrid;
}

namespace orvalis::gui {

// Shows a FlexGrid in a table: the grid's row 0 and column 0 are the table's
// headings, so TextMatrix(row, col) is the same cell in both.
class FlexGridView : public QTableWidget {
  public:
    explicit FlexGridView(QWidget* parent = nullptr);

    void ShowGrid(const forms::FlexGrid& grid);

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    // Gives each column the width its heading asks for (the blanks give it)
    // or its widest text, whichever is more, so names show whole; when that
    // is more than the table holds, the headings' blanks give way first, and
    // room to spare is shared out.
    void FitColumns();

    std::vector<int> heading_widths_;  // the padded headings
    std::vector<int> least_widths_;    // the trimmed heading or the widest text
};

}  // namespace orvalis::gui
