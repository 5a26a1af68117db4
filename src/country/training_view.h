// The window of the training order dialog.
#pragma once

#include <QWidget>

#include "country/training.h"
#include "widgets/screen_window.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace zentar {

class TrainingView : public ScreenWindow<QWidget, Form4> {
  public:
    explicit TrainingView(ScreenHost& app);

  private:
    void syncFrom(const Form4& f) override;
    QLabel* label1_[3];
    QComboBox* naiyo_;
    QLineEdit* text1_;
    QPushButton* ok_;
    QPushButton* no_;
};

}  // namespace zentar
