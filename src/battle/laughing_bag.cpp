// The cursed laughing bag: each use draws one of nine outcomes, or nothing at all.
#include "battle/battle.h"
#include "core/game.h"
#include "state/numbers.h"

namespace zentar {
namespace {

// The bag's outcome draw covers all ten results: 0 (nothing) and 1 to 9.
constexpr int kOutcomes = 10;

}  // namespace

void Form3::NOROI() {
    const QString& br = g.st.kaigyo;
    g.dialogues.message(
        QStringLiteral("呪いの笑い袋の攻撃！") + br + QStringLiteral("いくよ、笑い袋恒例の必殺技"),
        Buttons::Ok, Icon::None);
    bagOutcome(truncate(static_cast<double>(g.random.next()) * kOutcomes));
}

void Form3::boost(int side, std::int32_t kou, std::int32_t bou, std::int32_t ketu) {
    bm.kou[side] = satAdd(bm.kou[side], kou);
    bm.bou[side] = satAdd(bm.bou[side], bou);
    bm.ketu[side] = satAdd(bm.ketu[side], ketu);
}

void Form3::bagOutcome(int k) {
    const QString& br = g.st.kaigyo;
    auto say = [this](const QString& text) { g.dialogues.message(text, Buttons::Ok, Icon::None); };
    auto title = [&](const char16_t* first, const char16_t* second) {
        say(QString::fromUtf16(first) + br + QString::fromUtf16(second));
    };
    switch (k) {
        case 1:
            title(u"必殺！！", u"呪いの真空切り！！");
            for (int side : {kPlayer, kRival})
                forFielded(side, [&](int i) {
                    if (bm.heihp[side][i] > 0) wound(side, i, 300.0f * g.random.next());
                });
            say(QStringLiteral("全ての兵士は旋風を受け約３００ダメージ！"));
            break;
        case 2: {
            title(u"きえーーー！", u"回復のしずくーーー！！");
            act2();
            const double full = g.st.country[0].hp;
            forFielded(kPlayer, [&](int i) {
                if (bm.heihp[kPlayer][i] > 0) heal(kPlayer, i, g.random.next() * full);
            });
            say(QStringLiteral("あなたの兵士はＨＰが回復した！"));
            break;
        }
        case 3:
            title(u"泣く子も黙る！", u"驚異の攻撃力アーップ！");
            ACT5();
            boost(kPlayer, 40, 0, 0);
            say(QStringLiteral("兵士は攻撃力が４０増加した！"));
            break;
        case 4:
            title(u"特技！！", u"恐怖の雷攻撃ー！");
            ACT8();
            forFielded(kRival, [&](int i) {
                if (bm.heihp[kRival][i] > 0)
                    wound(kRival, i, static_cast<double>(g.random.next()) * 400 + 800);
            });
            say(g.st.country[countryOf(kRival)].name +
                QStringLiteral("兵士は雷撃を受け約1000ダメージ！"));
            break;
        case 5:
            title(u"禁呪！！", u"地獄の精神ダメージ！");
            ACT5();
            for (int side : {kPlayer, kRival})
                bm.ketu[side] = roundEven(bm.ketu[side] - bm.ketu[side] / 2.0);
            say(QStringLiteral("がびーん！") + br +
                QStringLiteral("皆の兵士は落ち込んだ！　素早さダウン！！"));
            break;
        case 6:
            title(u"一撃！！", u"最悪な防御力ダウーン！！");
            ACT5();
            boost(kPlayer, 0, -40, 0);
            say(QStringLiteral("兵士は防御力が４０低下した！"));
            break;
        case 7:
            title(u"すんばらしいよ！！", u"奇跡のステータス全回復ー！！");
            act2();
            ACT3();
            ACT4();
            for (int side : {kPlayer, kRival})
                forFielded(side, [&](int i) {
                    revive(side, i, static_cast<double>(g.random.next()) * 500 + 2500);
                });
            say(QStringLiteral("すべての兵士はＳＴ約3000回復した！"));
            break;
        case 8:
            title(u"！？", u"皆飛んでけー！");
            act6();
            ACT7();
            for (int side : {kPlayer, kRival})
                forFielded(side, [&](int i) {
                    Picture& s = sprites(side)[i];
                    s.Top = static_cast<float>(g.random.next() * static_cast<double>(Height));
                    s.Left = static_cast<float>(g.random.next() * static_cast<double>(Width));
                });
            say(QStringLiteral("すべての兵士はどこかに飛んでった！！"));
            break;
        case 9:
            title(u"　　華麗！", u"パラメーターアップの舞い！！");
            act1();
            act2();
            ACT3();
            ACT4();
            ACT5();
            act6();
            ACT7();
            for (int side : {kPlayer, kRival}) boost(side, 50, 50, 25);
            say(QStringLiteral("すべての兵士はパワーアップした！！"));
            break;
        default:
            say(QStringLiteral("あら？失敗しちゃった。") + br +
                QStringLiteral("なんにも起こらなかった！"));
            break;
    }
}

}  // namespace zentar
