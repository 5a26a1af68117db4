// The window of the battle screen: a painted field with the bottom panel and the
// pause menu as real widgets over it.
#pragma once

#include <QPointer>
#include <QWidget>

#include "battle/battle.h"
#include "battle/effects_view.h"
#include "widgets/picture_box.h"
#include "widgets/screen_window.h"

class QComboBox;
class QFrame;
class QLabel;
class QPlainTextEdit;
class QPropertyAnimation;
class QPushButton;

namespace zentar {

class BattleView : public ScreenWindow<QWidget, Form3> {
  public:
    explicit BattleView(ScreenHost& app);
    ~BattleView() override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void syncFrom(const Form3& f) override;
    void syncPanel(const Form3& f);

    QFrame* kab_;
    PictureBox* hyo_;
    QLabel* mes_;
    QFrame* handan_;
    QPlainTextEdit* sinti_;
    QComboBox* senpo_;
    QPushButton* ii_;
    QPushButton* momir_;
    QPushButton* mg_;
    QPropertyAnimation* glide_;
    EffectLayer layer_;
    int panelTop_;  // where the rules last put the panel, in pixels
};

}  // namespace zentar
