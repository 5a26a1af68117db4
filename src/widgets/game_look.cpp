#include "widgets/game_look.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QMenuBar>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleOption>
#include <algorithm>
#include <cmath>

#include "widgets/widgets.h"

namespace zentar {

double contrast(const QColor& a, const QColor& b) {
    const auto luminance = [](const QColor& c) {
        const auto linear = [](double v) {
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

namespace {

constexpr int kTextPixels = 12;  // the size of the game's texts where a window sets none
constexpr int kRingWidth = 3;    // pixels

class GameStyle : public QProxyStyle {
  public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* data) const override {
        if (hint == SH_ScrollBar_LeftClickAbsolutePosition) return 0;  // a trough click pages
        if (hint == SH_ComboBox_Popup) return 0;  // a list drops down below its box
        return QProxyStyle::styleHint(hint, option, widget, data);
    }

    // A text area's frame is wide enough for the whole focus ring: its text covers the rest.
    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override {
        const int base = QProxyStyle::pixelMetric(metric, option, widget);
        if (metric == PM_DefaultFrameWidth && qobject_cast<const QAbstractScrollArea*>(widget))
            return std::max(base, kRingWidth);
        return base;
    }

    // Windows gives menus, lists, message boxes and tool tips fonts of its own, Latin ones
    // that draw Japanese in whatever font has it: they take the game's font too.
    void polish(QWidget* w) override {
        QProxyStyle::polish(w);
        if (!w->testAttribute(Qt::WA_SetFont) &&
            (w->isWindow() || qobject_cast<QMenuBar*>(w) || qobject_cast<QAbstractItemView*>(w)))
            w->setFont(gameFont(kTextPixels));
    }

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
        QProxyStyle::drawControl(element, option, painter, widget);
        if (element == CE_PushButton || element == CE_ShapedFrame)
            markFocus(option, painter, widget);
        // A menu the keyboard has selected in the menu bar, before it opens: some styles
        // draw it like any other.
        if (element == CE_MenuBarItem && (option->state & State_Selected) &&
            !(option->state & State_Sunken))
            drawRing(option, painter, widget);
    }

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget) const override {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        if (control == CC_ComboBox || control == CC_ScrollBar) markFocus(option, painter, widget);
    }

  private:
    static void markFocus(const QStyleOption* option, QPainter* painter, const QWidget* widget) {
        if (option->state & State_HasFocus) drawRing(option, painter, widget);
    }

    // A ring round the control in the highlight colour, darkened on a light background and
    // lightened on a dark one until it stands out plainly. The ring lies on the control's own
    // face where it has one (a button, a list), whatever the window round it.
    static void drawRing(const QStyleOption* option, QPainter* painter, const QWidget* widget) {
        constexpr double kPlain = 7.0;  // the ring's contrast with the control's background
        const bool faced = qstyleoption_cast<const QStyleOptionButton*>(option) ||
                           qstyleoption_cast<const QStyleOptionComboBox*>(option);
        const QColor background = faced    ? option->palette.color(QPalette::Button)
                                  : widget ? widget->palette().color(widget->backgroundRole())
                                           : option->palette.color(QPalette::Window);
        const bool dark = contrast(background, Qt::black) < contrast(background, Qt::white);
        QColor mark = option->palette.color(QPalette::Highlight);
        for (int i = 0; i < 16 && contrast(mark, background) < kPlain; ++i)
            mark = dark ? mark.lighter(125) : mark.darker(125);
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(QPen(mark, kRingWidth));
        painter->setBrush(Qt::NoBrush);
        const double inset = kRingWidth / 2.0;
        painter->drawRoundedRect(QRectF(option->rect).adjusted(inset, inset, -inset, -inset), 2, 2);
        painter->restore();
    }
};

}  // namespace

void applyGameLook() {
    if (qApp->property("zentarLook").toBool()) return;
    qApp->setProperty("zentarLook", true);
    QApplication::setStyle(new GameStyle);
    QApplication::setFont(gameFont(kTextPixels));
}

}  // namespace zentar
