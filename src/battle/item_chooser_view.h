// The window of the item chooser.
#pragma once

#include <QWidget>

#include "app/view.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace zentar {

class Application;

class ItemChooserView : public QWidget, public View {
  public:
    explicit ItemChooserView(Application& app);
    QWidget* widget() override { return this; }
    void sync() override;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    Application& app_;
    QLabel* label1_;
    QLineEdit* ite_;
    QComboBox* aitem_;
    QPushButton* command1_;
    QPushButton* command2_;
};

}  // namespace zentar
