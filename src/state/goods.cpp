#include "state/goods.h"

namespace zentar {

const std::array<GoodsEntry, 9>& goodsCatalogue() {
    static const std::array<GoodsEntry, 9> rows = {{
        // 決断力が 20×効き目 上がり、攻撃力がその３分の１下がる
        {Goods::QuickRun, u"クイックラン", u'ク', 50000, 8},
        // 全兵士のＨＰが 1000×効き目 回復し、力尽きた兵士も立ち上がる
        {Goods::GodVoice, u"ゴッドボイス", u'ゴ', 300000, 8},
        // 力尽きた兵士が５人に１人の割で 300×効き目 のＨＰで立ち上がる
        {Goods::NurseCall, u"ナースコール", u'ナ', 40000, 8},
        // 攻撃力が 20×効き目 上がり、防御力がその３分の１下がる
        {Goods::Protein, u"プロテイン", u'プ', 50000, 7},
        // 生きている兵士のＨＰが 600×効き目 回復する
        {Goods::LifeGuard, u"ライフガード", u'ラ', 5000, 8},
        // 防御力が 20×効き目 上がり、決断力がその３分の１下がる
        {Goods::SteelNecklace, u"鋼鉄の首飾り", u'鋼', 50000, 8},
        // 何が起こるかわからない呪いの袋（効き目は関係なし）
        {Goods::LaughingBag, u"呪いの笑い袋", u'呪', 100000, 0},
        // 敵の生きている兵士に最大 300×効き目 のダメージ
        {Goods::Bomb, u"爆弾", u'爆', 40000, 4},
        // 兵士が一人増える（２５６人まで）
        {Goods::Soldier, u"兵士一人", u'兵', 600000, 0},
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
