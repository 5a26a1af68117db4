// The window of the battle screen: a painted field with the bottom panel and the
// pause menu as real widgets over it.
#pragma once

#include <QPointer>
#include <QWidget>

#include "app/view.h"

class QComboBox;
class QFrame;
class QLabel;
class QPlainTextEdit;
class QPropertyAnimation;
class QPushButton;

namespace zentar {

class Application;
struct Form3;

class BattleView : public QWidget, public View {
  public:
    explicit BattleView(Application& app);
    ~BattleView() override;
    QWidget* widget() override { return this; }
    void sync() override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void syncPanel(const Form3& f);

    Application& app_;
    QFrame* kab_;
    QLabel* hyo_;
    QLabel* mes_;
    QFrame* handan_;
    QPlainTextEdit* sinti_;
    QComboBox* senpo_;
    QPushButton* ii_;
    QPushButton* momir_;
    QPushButton* mg_;
    QPropertyAnimation* glide_;
    int panelTop_;  // where the rules last put the panel, in pixels
};

}  // namespace zentar
