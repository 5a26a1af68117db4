#include "country/goods.h"

namespace zentar {

const std::array<GoodsEntry, 9>& goodsCatalogue() {
    static const std::array<GoodsEntry, 9> rows = {{
        {Goods::QuickRun, u"クイックラン", u'ク', 50000,
         u"決断力が 20×効き目 上がり、攻撃力がその３分の１下がる", 8},
        {Goods::GodVoice, u"ゴッドボイス", u'ゴ', 300000,
         u"全兵士のＨＰが 1000×効き目 回復し、力尽きた兵士も立ち上がる", 8},
        {Goods::NurseCall, u"ナースコール", u'ナ', 40000,
         u"力尽きた兵士が５人に１人の割で 300×効き目 のＨＰで立ち上がる", 8},
        {Goods::Protein, u"プロテイン", u'プ', 50000,
         u"攻撃力が 20×効き目 上がり、防御力がその３分の１下がる", 7},
        {Goods::LifeGuard, u"ライフガード", u'ラ', 5000,
         u"生きている兵士のＨＰが 600×効き目 回復する", 8},
        {Goods::SteelNecklace, u"鋼鉄の首飾り", u'鋼', 50000,
         u"防御力が 20×効き目 上がり、決断力がその３分の１下がる", 8},
        {Goods::LaughingBag, u"呪いの笑い袋", u'呪', 100000,
         u"何が起こるかわからない呪いの袋（効き目は関係なし）", 0},
        {Goods::Bomb, u"爆弾", u'爆', 40000, u"敵の生きている兵士に最大 300×効き目 のダメージ", 4},
        {Goods::Soldier, u"兵士一人", u'兵', 600000, u"兵士が一人増える（２５６人まで）", 0},
    }};
    return rows;
}

const GoodsEntry* goodsByKey(const QString& text) {
    if (text.isEmpty()) return nullptr;
    for (const GoodsEntry& g : goodsCatalogue())
        if (text[0] == QChar(g.key)) return &g;
    return nullptr;
}

int potencyOf(const QString& inventoryText, const GoodsEntry& goods) {
    const qsizetype at = goods.potencyPosition - 1;
    if (at < 0 || at >= inventoryText.size()) return 0;
    const QChar c = inventoryText[at];
    return c >= u'0' && c <= u'9' ? c.unicode() - u'0' : 0;
}

}  // namespace zentar
