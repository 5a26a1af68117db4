// The window of the training order dialog.
#pragma once

#include <QWidget>

#include "app/view.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace zentar {

class Application;

class TrainingView : public QWidget, public View {
  public:
    explicit TrainingView(Application& app);
    QWidget* widget() override { return this; }
    void sync() override;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    Application& app_;
    QLabel* label1_[3];
    QComboBox* naiyo_;
    QLineEdit* text1_;
    QPushButton* ok_;
    QPushButton* no_;
};

}  // namespace zentar
