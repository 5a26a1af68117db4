// The game's state below the rules, QtCore only: the one game state every screen works
// on, with sixteen countries, the player's inventory, the message speed, the day count
// and the working values.
#pragma once

#include <QString>
#include <array>
#include <cstdint>

namespace zentar {

inline constexpr int kCountries = 16;  // 0 the player, 1..13 the rivals, 14 and 15 spare
inline constexpr int kLastRival = 13;
inline constexpr int kSlots = 32;  // slots 1..30 hold goods; 0 and 31 stay empty
inline constexpr int kFirstSlot = 1;
inline constexpr int kLastSlot = 30;
inline constexpr int kMaxHeisi = 255;  // a country has at most 256 soldiers
inline constexpr int kMinSpeed = 1;
inline constexpr int kMaxSpeed = 300;

struct Country {
    std::int32_t hp = 0;
    std::int32_t wp = 0;
    std::int32_t OFE = 0;
    std::int32_t DEF = 0;
    std::int32_t qui = 0;
    std::int32_t gold = 0;
    std::int32_t win = 0;
    std::int32_t heisi = 0;  // highest soldier number: heisi + 1 soldiers
    QString name;
};

struct ItemSlot {
    QString item;  // goods name, a blank and the potency digit; "" when empty
    std::int32_t kosuu = 0;
};

struct GameState {
    std::array<Country, kCountries> country{};
    std::array<ItemSlot, kSlots> slot{};
    std::int32_t speed = 0;
    std::int32_t day = 0;

    // Working values, never saved.
    std::int32_t aite = 0;
    std::int32_t nissu = 0;
    std::int32_t kunren = 0;
    std::int32_t tokei = 0;
    QString kaigyo;
    std::array<QString, 2> talk{};
    QString sentaku;

    // Writes the new-game table; a non-empty name replaces the player's country name.
    void newGame(const QString& enteredName);
};

}  // namespace zentar
