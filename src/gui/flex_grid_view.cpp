#include "gui/flex_grid_view.h"

#include <QHeaderView>

#include <algorithm>

#include "forms/controls.h"
#include "gui/fonts.h"

namespace orvalis::gui {

FlexGridView::FlexGridView(QWidget* parent) : QTableWidget(parent) {
    setFont(ListFont());
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    verticalHeader()->setDefaultSectionSize(20);
    verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
    horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
}

void FlexGridView::ShowGrid(const forms::FlexGrid& grid) {
    bool resized = rowCount() != grid.Rows() - 1 || columnCount() != grid.Cols() - 1;
    setRowCount(grid.Rows() - 1);
    setColumnCount(grid.Cols() - 1);
    QStringList headings;
    heading_widths_.clear();
    for (int col = 1; col < grid.Cols(); ++col) {
        QString heading = QString::fromStdString(grid.TextMatrix(0, col));
        heading_widths_.push_back(horizontalHeader()->fontMetrics().horizontalAdvance(heading) +
                                  12);
        headings << heading.trimmed();
    }
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
    int natural = 0;
    for (int width : heading_widths_) natural += width;
    int room = viewport()->width();
    if (natural <= 0 || room <= 0) return;
    double scale = std::max(1.0, static_cast<double>(room) / natural);
    for (std::size_t col = 0; col < heading_widths_.size(); ++col) {
        setColumnWidth(static_cast<int>(col), static_cast<int>(heading_widths_[col] * scale));
    }
}

}  // namespace orvalis::gui
