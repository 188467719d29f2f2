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
    // Widens the columns in proportion to their headings (whose blanks give
    // the widths) until they fill the table.
    void FitColumns();

    std::vector<int> heading_widths_;
};

}  // namespace orvalis::gui
