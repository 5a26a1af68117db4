// A drop-down list that a tap opens and that stays open until an entry or the outside is
// chosen: the release of the press that opened it never closes it, however long the press.
#pragma once

#include <QComboBox>

namespace zentar {

class DropDownList : public QComboBox {
  public:
    using QComboBox::QComboBox;
    void showPopup() override;

  private:
    bool eventFilter(QObject* watched, QEvent* event) override;

    bool opening_ = false;  // the press that opened the list is still down
};

}  // namespace zentar
