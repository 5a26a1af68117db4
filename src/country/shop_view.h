// The window of the shop.
#pragma once

#include <QWidget>

#include "app/view.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace zentar {

class Application;

class ShopView : public QWidget, public View {
  public:
    explicit ShopView(Application& app);
    QWidget* widget() override { return this; }
    void sync() override;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    Application& app_;
    QLabel* label1_[7];
    QComboBox* naiyo_;
    QLineEdit* text1_;
    QLineEdit* text2_;
    QLineEdit* text3_;
    QLineEdit* text4_;
    QPushButton* ok_;
    QPushButton* no_;
};

}  // namespace zentar
