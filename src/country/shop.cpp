#include "country/shop.h"

#include <algorithm>
#include <cmath>

#include "core/game.h"
#include "state/goods.h"
#include "state/numbers.h"

namespace zentar {
namespace {

const QString kSoldierEntry = QStringLiteral("兵士一人");

// A number as a text with a leading blank in place of a plus sign.
QString signedText(double v) {
    const QString digits = QString::number(v);
    return v < 0 ? digits : QStringLiteral(" ") + digits;
}

}  // namespace

Shop::Shop(Game& game) : Screen(game) {
    const struct {
        int index;
        float left, top, width;
        const char16_t* caption;
    } labels[] = {{2, 0, 0, 3105, u"へい　らっしゃい　何に致しやすかい？"},
                  {4, 120, 720, 1725, u"どれぐらい効くので？"},
                  {3, 2520, 720, 255, u"倍"},
                  {0, 120, 1080, 1335, u"何個買いやす？"},
                  {1, 2160, 1080, 255, u"個"},
                  {5, 0, 2160, 900, u"全部しめて"},
                  {6, 0, 2520, 780, u"国家予算"}};
    for (const auto& l : labels) {
        Label1[l.index] = at<Label>(l.left, l.top, l.width, 255);
        Label1[l.index].Caption = QString::fromUtf16(l.caption);
    }
    NAIYO = at<ComboBox>(0, 240, 3135, 300);
    for (const GoodsEntry& goods : goodsCatalogue()) NAIYO.List << QString::fromUtf16(goods.name);
    NAIYO.List << QStringLiteral("   ");
    Text2 = at<TextBox>(2160, 720, 255, 285);
    Text2.MaxLength = 1;
    Text1 = at<TextBox>(1560, 1080, 495, 285);
    Text1.MaxLength = 3;
    resetOrder();
    Text3 = at<TextBox>(1080, 2160, 2175, 285);
    Text3.Text = QStringLiteral("0");
    Text4 = at<TextBox>(1080, 2520, 2175, 285);
    Text4.Text = QStringLiteral("0");
    OK = at<Button>(120, 3000, 1335, 375);
    OK.Caption = QStringLiteral("買う");
    OK.Visible = false;
    NO = at<Button>(1800, 3000, 1335, 375);
    NO.Caption = QStringLiteral("帰る");
    Timer1 = {1, true};
}

std::vector<TimerHook> Shop::timers() {
    return {{&Timer1, [this] { Timer1_Timer(); }, Pace::Tick}};
}

void Shop::NAIYO_Click(int index) {
    NAIYO.ListIndex = index >= 0 && index < NAIYO.List.size() ? index : -1;
    resetOrder();
}

void Shop::Text1_Change(const QString& text) {
    Text1.Text = text.left(Text1.MaxLength);
}

void Shop::Text2_Change(const QString& text) {
    Text2.Text = text.left(Text2.MaxLength);
}

// A quantity below 0 counts as none: a negative order would make money out of nothing.
double Shop::quantity() const {
    return std::max(0.0, leadingNumber(Text1.Text));
}

double Shop::potency() const {
    return leadingNumber(Text2.Text);
}

// A fresh order costs nothing until the next tick prices it: 買う in between must not
// charge the price of the order just refused or bought.
void Shop::resetOrder() {
    Text1.Text = QStringLiteral("0");
    Text2.Text = QStringLiteral("1");
    nedan = 0;
}

void Shop::Timer1_Timer() {
    const std::int32_t budget = g.st.country[0].gold;
    Text4.Text = QString::number(budget) + QStringLiteral("￥");
    OK.Visible = true;
    const GoodsEntry* goods = goodsByKey(NAIYO.Text());
    nedan = goods ? goods->price : 0;
    if (!goods) OK.Visible = false;
    const double price = static_cast<double>(nedan) * quantity() * potency();
    nedan = roundEven(price);
    Text3.Text = QString::number(nedan) + QStringLiteral("￥");
    // The budget is weighed against the true price, so one beyond int32 is never
    // covered. A free order is never short: a budget below zero must not lock the shop.
    const double owed = std::nearbyint(price);
    if (owed != 0 && budget < owed) {
        g.dialogues.message(QStringLiteral("おい、金足りねえぞ！！"), Buttons::Ok, Icon::None);
        resetOrder();
    }
}

void Shop::OK_Click() {
    if (!OK.Visible) return;
    const double count = quantity();
    if (NAIYO.Text() == kSoldierEntry)
        buySoldiers(count);
    else
        buyGoods(count);
    resetOrder();
}

void Shop::buySoldiers(double count) {
    Country& me = g.st.country[0];
    if (static_cast<double>(me.heisi) + count > kMaxHeisi) {
        g.dialogues.message(QStringLiteral("仲間は２５６人までです！"), Buttons::Ok, Icon::None);
        return;
    }
    g.dialogues.message(QStringLiteral("大切にしてやって下せいよ"), Buttons::Ok, Icon::None);
    me.heisi = roundEven(static_cast<double>(me.heisi) + count);
    me.gold = satAdd(me.gold, -nedan);
}

void Shop::buyGoods(double count) {
    const QString key = NAIYO.Text() + signedText(potency());
    for (int i = kFirstSlot; i <= kLastSlot; ++i) {
        ItemSlot& s = g.st.slot[i];
        if ((s.item == key) == (s.kosuu < 1)) continue;  // exactly one of the two must hold
        g.dialogues.message(QStringLiteral("毎度あり！！"), Buttons::Ok, Icon::None);
        s.kosuu = roundEven(static_cast<double>(s.kosuu) + count);
        s.item = key;
        Country& me = g.st.country[0];
        me.gold = satAdd(me.gold, -nedan);
        return;
    }
    g.dialogues.message(QStringLiteral("持ち物が多すぎます"), Buttons::Ok, Icon::None);
}

void Shop::NO_Click() {
    g.Unload(ScreenId::Shop);
    g.Show(ScreenId::Main);
}

}  // namespace zentar
