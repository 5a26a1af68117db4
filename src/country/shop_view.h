// The window of the shop.
#pragma once

#include <QWidget>

#include "country/shop.h"
#include "widgets/screen_window.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace zentar {

class ShopView : public ScreenWindow<QWidget, Shop> {
  public:
    explicit ShopView(ScreenHost& app);

  private:
    void syncFrom(const Shop& f) override;
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
