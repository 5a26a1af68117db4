#include "state/game_state.h"

namespace zentar {
namespace {

struct NewGameRow {
    const char16_t* name;
    std::int32_t hp, wp, OFE, DEF, qui, gold, heisi;
};

constexpr NewGameRow kNewGame[kLastRival + 1] = {
    {u"世界征服をもくろむ会", 736, 102, 42, 25, 11, 1000000, 10},
    {u"単純人間", 529, 32, 35, 36, 5, 255000, 8},
    {u"お嬢様", 619, 76, 44, 80, 9, 600000, 12},
    {u"男の中の男", 1121, 99, 56, 12, 7, 1000000, 19},
    {u"企業戦士　－サラリーマン－", 850, 100, 70, 40, 10, 1500000, 25},
    {u"ヤーさん", 1000, 132, 82, 51, 16, 2000000, 22},
    {u"ゾンビ", 1211, 0, 99, 99, 18, 1850000, 25},
    {u"チャネラー", 888, 255, 96, 142, 22, 2300000, 30},
    {u"体育会系少女", 1850, 169, 129, 42, 26, 3000000, 40},
    {u"合体スラ", 2020, 92, 80, 25, 24, 4000000, 50},
    {u"くノ一", 1888, 325, 152, 89, 28, 5000000, 43},
    {u"こじら", 100600, 690, 590, 82, 20, 10000000, 2},
    {u"？？？", 15000, 999, 400, 138, 30, 20000000, 5},
    {u"恐怖の大王", 1000000, 9999, 1650, 60, 35, 100000000, 1},
};

}  // namespace

void GameState::newGame(const QString& enteredName) {
    for (int i = 0; i <= kLastRival; ++i) {
        const NewGameRow& row = kNewGame[i];
        Country& c = country[i];
        c.name = QString::fromUtf16(row.name);
        c.hp = row.hp;
        c.wp = row.wp;
        c.OFE = row.OFE;
        c.DEF = row.DEF;
        c.qui = row.qui;
        c.gold = row.gold;
        c.heisi = row.heisi;
    }
    slot[1] = {QStringLiteral("ライフガード 1"), 5};
    slot[2] = {QStringLiteral("爆弾 1"), 5};
    speed = 100;
    aite = 0;
    day = 0;
    if (!enteredName.isEmpty()) country[0].name = enteredName;
}

}  // namespace zentar
