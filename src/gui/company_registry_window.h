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
    QLineEdit* Text3() const { return text3_; }
    QLineEdit* Text4() const { return text4_; }
    QComboBox* Combo2() const { return combo2_; }
    QComboBox* Combo3() const { return combo3_; }
    QPushButton* Command1() const { return command1_; }
    QPushButton* Command2() const { return command2_; }
    QLabel* HelpText() const { return label5_; }

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    QWidget* BuildNameFrame();
    void ConnectEdits();

    std::shared_ptr<CompanyRegistryModel> model_;
    QLineEdit* text3_ = nullptr;
    QComboBox* combo3_ = nullptr;
    QComboBox* combo2_ = nullptr;
    QLineEdit* text4_ = nullptr;
    QPushButton* command2_ = nullptr;
    QPushButton* command1_ = nullptr;
    QLabel* label5_ = nullptr;
};

}  // namespace orvalis::gui
