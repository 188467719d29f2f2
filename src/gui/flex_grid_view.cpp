#include "gui/flex_grid_view.h"

#include <QFontMetrics>
#include <QHeaderView>

#include <algorithm>

#include "controls/controls.h"
#include "gui/fonts.h"

namespace orvalis::gui {

FlexGridView::FlexGridView(QWidget* parent) : QTableWidget(parent) {
    setFont(GridFont());
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    verticalHeader()->setDefaultSectionSize(QFontMetrics(GridFont()).height() + 6);
    verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
    horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
}

void FlexGridView::ShowGrid(const forms::FlexGrid& grid) {
    bool resized = rowCount() != grid.Rows() - 1 || columnCount() != grid.Cols() - 1;
    setRowCount(grid.Rows() - 1);
    setColumnCount(grid.Cols() - 1);
    QStringList headings;
    std::vector<int> heading_widths, least_widths;
    const QFontMetrics& heading_metrics = horizontalHeader()->fontMetrics();
    constexpr int kPadding = 14;
    for (int col = 1; col < grid.Cols(); ++col) {
        QString heading = QString::fromStdString(grid.TextMatrix(0, col));
        int least = heading_metrics.horizontalAdvance(heading.trimmed());
        for (int row = 1; row < grid.Rows(); ++row) {
            least = std::max(least, fontMetrics().horizontalAdvance(
                                        QString::fromStdString(grid.TextMatrix(row, col))));
        }
        least_widths.push_back(least + kPadding);
        heading_widths.push_back(std::max(heading_metrics.horizontalAdvance(heading), least) +
                                 kPadding);
        headings << heading.trimmed();
    }
    if (heading_widths != heading_widths_ || least_widths != least_widths_) resized = true;
    heading_widths_ = std::move(heading_widths);
    least_widths_ = std::move(least_widths);
    QStringList numbers;
    for (int row = 1; row < grid.Rows(); ++row) {
        numbers << QString::fromStdString(grid.TextMatrix(row, 0));
    }
    setHorizontalHeaderLabels(headings);
    setVerticalHeaderLabels(numbers);
    for (int row = 1; row < grid.Rows(); ++row) {
        for (int col = 1; col < grid.Cols(); ++col) {
            QString text = QString::fromStdString(grid.TextMatrix(row, col));
            QTableWidgetItem* cell = item(row - 1, col - 1);
            if (!cell) {
                cell = new QTableWidgetItem;
                cell->setTextAlignment(Qt::AlignCenter);
                setItem(row - 1, col - 1, cell);
            }
            if (cell->text() != text) cell->setText(text);
        }
    }
    if (resized) FitColumns();
}

void FlexGridView::resizeEvent(QResizeEvent* event) {
    QTableWidget::resizeEvent(event);
    FitColumns();
}

void FlexGridView::FitColumns() {
    int room = viewport()->width();
    int wanted = 0, least = 0;
    for (int width : heading_widths_) wanted += width;
    for (int width : least_widths_) least += width;
    if (wanted <= 0 || room <= 0) return;
    std::vector<int> widths = wanted <= room ? heading_widths_ : least_widths_;
    int used = wanted <= room ? wanted : least;
    // The blanks of the headings shrink in step, down to what the texts need.
    if (wanted > room && least < room) {
        double give = static_cast<double>(room - least) / (wanted - least);
        for (std::size_t col = 0; col < widths.size(); ++col) {
            widths[col] += static_cast<int>((heading_widths_[col] - least_widths_[col]) * give);
        }
        used = room;
    }
    double scale = used < room ? static_cast<double>(room) / used : 1.0;
    for (std::size_t col = 0; col < widths.size(); ++col) {
        setColumnWidth(static_cast<int>(col), static_cast<int>(widths[col] * scale));
    }
}

}  // namespace orvalis::gui
