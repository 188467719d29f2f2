#pragma once

#include <QWidget>
#include <array>
#include <memory>

#include "gui/mark_action.h"
#include "window_models/block_panel_model.h"

class QLineEdit;
class QListWidget;
class QPushButton;

namespace orvalis::gui {

// The block limits panel (BlockPanelModel): six limit boxes, "블럭" and "캡처", at the
// places the shop knows them from.
class BlockPanelWindow : public QWidget {
    Q_OBJECT
  public:
    BlockPanelWindow(std::shared_ptr<BlockPanelModel> model, MarkAction mark,
                     QWidget* parent = nullptr);

    void Refresh();

    // The boxes by limit index 1 to 6 (X min, X max, Y min, Y max, Z min, Z max).
    QLineEdit* LimitBox(int index) const { return boxes_.at(static_cast<std::size_t>(index - 1)); }
    QPushButton* BlockButton() const { return block_button_; }
    QPushButton* CaptureButton() const { return capture_button_; }

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void AddLabels();

    MarkAction mark_;
    std::shared_ptr<BlockPanelModel> model_;
    std::array<QLineEdit*, 6> boxes_{};
    QPushButton* block_button_;
    QPushButton* capture_button_;
    QListWidget* survey_list_;  // List2, hidden: the survey list the block is read for
    bool closing_ = false;
};

}  // namespace orvalis::gui
