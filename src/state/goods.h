// The goods catalogue: every goods' name, the first character by which the whole
// game recognises it, its base price and where its potency digit stands.
#pragma once

#include <QString>
#include <array>
#include <cstdint>

namespace zentar {

enum class Goods {
    QuickRun,
    GodVoice,
    NurseCall,
    Protein,
    LifeGuard,
    SteelNecklace,
    LaughingBag,
    Bomb,
    Soldier
};

struct GoodsEntry {
    Goods goods;
    const char16_t* name;
    char16_t key;         // first character of the name
    std::int32_t price;   // yen at potency 1
    int potencyPosition;  // 1-based character of the potency digit; 0: none
};

const std::array<GoodsEntry, 9>& goodsCatalogue();

// The goods a text names by its first character, or null.
const GoodsEntry* goodsByKey(const QString& text);

// The potency digit of an inventory text (0..9); a missing or non-digit character is 0.
int potencyOf(const QString& inventoryText, const GoodsEntry& goods);

}  // namespace zentar
