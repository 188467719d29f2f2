#pragma once

#include <QWidget>
#include <memory>

#include "window_models/company_registry_model.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace orvalis::gui {

// The company registry dialog (업체 등록): shows the model and forwards every
// click and edit to it; closing it unloads the model.
class CompanyRegistryWindow : public QWidget {
    Q_OBJECT
  public:
    explicit CompanyRegistryWindow(std::shared_ptr<CompanyRegistryModel> model,
                                   QWidget* parent = nullptr);
    ~CompanyRegistryWindow() override;

    // Shows the model's state again.
    void Refresh();

    // For tests: the controls under their window names.
    QLineEdit* FilePath() const { return file_path_; }
    QLineEdit* NewName() const { return new_name_; }
    QComboBox* SlotKeys() const { return slot_keys_; }
    QComboBox* StoredNames() const { return stored_names_; }
    QPushButton* SaveButton() const { return save_button_; }
    QPushButton* FindButton() const { return find_button_; }
    QLabel* HelpText() const { return instructions_; }

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    QWidget* BuildNameFrame();
    void ConnectEdits();

    std::shared_ptr<CompanyRegistryModel> model_;
    QLineEdit* file_path_ = nullptr;
    QComboBox* stored_names_ = nullptr;
    QComboBox* slot_keys_ = nullptr;
    QLineEdit* new_name_ = nullptr;
    QPushButton* find_button_ = nullptr;
    QPushButton* save_button_ = nullptr;
    QLabel* instructions_ = nullptr;
};

}  // namespace orvalis::gui
