// Using one inventory item in battle: its animation, its effect on the armies and
// its message; then the item is used up and hit points are brought into range.
#include <algorithm>

#include "battle/battle.h"
#include "core/game.h"
#include "state/goods.h"
#include "state/numbers.h"

namespace zentar {
namespace {

double factorOf(Goods goods) {
    switch (goods) {
        case Goods::LifeGuard:
            return 600;
        case Goods::NurseCall:
            return 300;
        case Goods::GodVoice:
            return 1000;
        case Goods::Protein:
        case Goods::SteelNecklace:
        case Goods::QuickRun:
            return 20;
        case Goods::Bomb:
            return 300;
        default:
            return 0;
    }
}

QString amountText(double amount) {
    return QString::number(static_cast<std::int64_t>(amount));
}

}  // namespace

void Form3::SIYOU() {
    g.surface().fillColor({0, 0, 0});
    const QString used = g.st.sentaku;
    if (const GoodsEntry* goods = goodsByKey(used)) useGoods(*goods, potencyOf(used, *goods));
    if (used.startsWith(u'呪')) NOROI();
    for (int i = kFirstSlot; i <= kLastSlot; ++i) {
        ItemSlot& s = g.st.slot[i];
        if (!used.isEmpty() && s.item == used) s.kosuu = satAdd(s.kosuu, -1);
        if (s.kosuu < 1) {
            s.item.clear();
            s.kosuu = 0;
        }
    }
    for (int side : {kPlayer, kRival}) {
        const Country& c = g.st.country[countryOf(side)];
        const int last = std::min(c.heisi, kSoldiers - 1);  // none when heisi is negative
        // Below 0 is lifted first, then anything above the country's hp is cut, so a
        // negative hp (only an edited saved game has one) is where every soldier ends.
        for (int i = 0; i <= last; ++i)
            bm.heihp[side][i] = std::min(std::max(bm.heihp[side][i], 0), c.hp);
    }
    IDO();
    IDO();
}

void Form3::useGoods(const GoodsEntry& goods, int potency) {
    const double amount = potency * factorOf(goods.goods);
    const QString amt = amountText(amount);
    const QString& br = g.st.kaigyo;
    auto say = [this](const QString& text) { g.dialogues.message(text, Buttons::Ok, Icon::None); };
    switch (goods.goods) {
        case Goods::LifeGuard:
            act2();
            forFielded(kPlayer, [&](int i) {
                if (bm.heihp[kPlayer][i] > 0) heal(kPlayer, i, amount);
            });
            say(QStringLiteral("あなたの兵士はＨＰが") + amt + QStringLiteral("回復した！"));
            break;
        case Goods::NurseCall:
            ACT4();
            forFielded(kPlayer, [&](int i) {
                const int d = truncate(static_cast<double>(g.random.next()) * 5);
                if (d == 1 && bm.heihp[kPlayer][i] == 0) revive(kPlayer, i, amount);
            });
            say(QStringLiteral("運のいい力尽きた兵士はＨＰが") + amt +
                QStringLiteral("回復した！"));
            break;
        case Goods::GodVoice:
            act2();
            ACT3();
            ACT4();
            forFielded(kPlayer, [&](int i) { revive(kPlayer, i, amount); });
            say(QStringLiteral("あなたのすべての兵士はＨＰが") + amt +
                QStringLiteral("回復した！"));
            break;
        case Goods::Protein:
            ACT5();
            trade(bm.kou[kPlayer], bm.bou[kPlayer], amount);
            say(QStringLiteral("兵士は攻撃力が") + amt + QStringLiteral("増加した！") + br +
                QStringLiteral("が、自信過剰になり多少防御力が落ちた！"));
            break;
        case Goods::SteelNecklace:
            act6();
            trade(bm.bou[kPlayer], bm.ketu[kPlayer], amount);
            say(QStringLiteral("兵士は防御力が") + amt + QStringLiteral("増加した！") + br +
                QStringLiteral("が、重いため多少決断力が鈍った！"));
            break;
        case Goods::QuickRun:
            ACT7();
            trade(bm.ketu[kPlayer], bm.kou[kPlayer], amount);
            say(QStringLiteral("兵士は決断力が") + amt + QStringLiteral("増加した！") + br +
                QStringLiteral("が、薬物使用してラリッてるため多少攻撃力が下がった！"));
            break;
        case Goods::Bomb:
            act1();
            forFielded(kRival, [&](int i) {
                if (bm.heihp[kRival][i] > 0) wound(kRival, i, amount * g.random.next());
            });
            say(g.st.country[countryOf(kRival)].name + QStringLiteral("兵士は爆風を受け約") + amt +
                QStringLiteral("ダメージ！"));
            break;
        default:  // the laughing bag acts afterwards; soldiers are never goods in battle
            break;
    }
}

void Form3::forFielded(int side, const std::function<void(int)>& each) {
    for (int i = 0; i <= bm.fieldedTop[side]; ++i) each(i);
}

void Form3::heal(int side, int i, double amount) {
    bm.heihp[side][i] = roundEven(static_cast<double>(bm.heihp[side][i]) + amount);
}

// Hit points back to a soldier; a fallen one that comes above 0 stands up again and
// counts once more. One left at 0 or below stays down and uncounted.
void Form3::revive(int side, int i, double amount) {
    const bool wasDown = bm.heihp[side][i] <= 0;
    heal(side, i, amount);
    if (bm.heihp[side][i] <= 0) return;
    if (wasDown) bm.nokori[side] = satAdd(bm.nokori[side], 1);
    sprites(side)[i].Visible = true;
}

void Form3::wound(int side, int i, double damage) {
    std::int32_t& hp = bm.heihp[side][i];
    hp = roundEven(static_cast<double>(hp) - damage);
    if (hp >= 1) return;
    bm.nokori[side] = satAdd(bm.nokori[side], -1);
    sprites(side)[i].Visible = false;
}

// One value rises by the amount, another falls by a third of it.
void Form3::trade(std::int32_t& up, std::int32_t& down, double amount) {
    up = roundEven(static_cast<double>(up) + amount);
    down = roundEven(static_cast<double>(down) - amount / 3);
}

}  // namespace zentar
