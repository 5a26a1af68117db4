// The window of the ending.
#pragma once

#include <QWidget>

#include "app/view.h"

class QLabel;

namespace zentar {

class Application;

class EndingView : public QWidget, public View {
  public:
    explicit EndingView(Application& app);
    QWidget* widget() override { return this; }
    void sync() override;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    Application& app_;
    QLabel* label1_;
    QLabel* image1_;
    QLabel* label2_;
    QLabel* label3_;
};

}  // namespace zentar
