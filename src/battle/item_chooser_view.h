// The window of the item chooser.
#pragma once

#include <QWidget>

#include "battle/item_chooser.h"
#include "widgets/screen_window.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace zentar {

class ItemChooserView : public ScreenWindow<QWidget, Form7> {
  public:
    explicit ItemChooserView(ScreenHost& app);

  private:
    void syncFrom(const Form7& f) override;
    QLabel* label1_;
    QLineEdit* ite_;
    QComboBox* aitem_;
    QPushButton* command1_;
    QPushButton* command2_;
};

}  // namespace zentar
