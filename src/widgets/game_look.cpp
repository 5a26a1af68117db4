#include "widgets/game_look.h"

#include <QApplication>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleOption>

#include "widgets/widgets.h"

namespace zentar {
namespace {

class GameStyle : public QProxyStyle {
  public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* data) const override {
        if (hint == SH_ScrollBar_LeftClickAbsolutePosition) return 0;  // a trough click pages
        return QProxyStyle::styleHint(hint, option, widget, data);
    }

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
        QProxyStyle::drawControl(element, option, painter, widget);
        if (element == CE_PushButton || element == CE_ShapedFrame) markFocus(option, painter);
    }

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget) const override {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        if (control == CC_ComboBox || control == CC_ScrollBar) markFocus(option, painter);
    }

  private:
    // A ring in the highlight colour round the control that has the keyboard.
    static void markFocus(const QStyleOption* option, QPainter* painter) {
        if (!(option->state & State_HasFocus)) return;
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(QPen(option->palette.color(QPalette::Highlight), 2));
        painter->setBrush(Qt::NoBrush);
        painter->drawRoundedRect(QRectF(option->rect).adjusted(1, 1, -1, -1), 2, 2);
        painter->restore();
    }
};

}  // namespace

void applyGameLook() {
    if (qApp->property("zentarLook").toBool()) return;
    qApp->setProperty("zentarLook", true);
    QApplication::setStyle(new GameStyle);
    QApplication::setFont(gameFont(12));
    qApp->setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));  // lists drop down
}

}  // namespace zentar
