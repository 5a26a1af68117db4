// The battle screen Form3: one real-time battle of the player's country against
// the rival `aite`, from the opening talk to the settlement.
#pragma once

#include <array>
#include <cstdint>
#include <functional>

#include "core/controls.h"
#include "core/random_source.h"
#include "core/screen.h"

namespace zentar {

struct GoodsEntry;

inline constexpr int kSoldiers = 256;  // soldier indices 0..255 on each side
inline constexpr int kPlayer = 0;
inline constexpr int kRival = 1;

using SideInts = std::array<std::int32_t, 2>;
using SoldierInts = std::array<std::array<std::int32_t, kSoldiers>, 2>;

// The battle screen's variables; every battle sets them afresh.
struct BattleModel {
    SoldierInts heihp{};  // hit points; below 1 is fallen
    SoldierInts mato{};   // target: a soldier index of the other side
    SideInts kou{}, bou{}, ketu{}, nokori{};
    std::int32_t jin = 0, ban = 0;
    std::int32_t koma = -1;
    SideInts mesnaga{};
    std::int32_t moji = 1, gyou = 0, flash = 0;
    // Highest soldier index each side put on the field (soldier 0 only when heisi ≤ 1).
    SideInts fieldedTop{};
};

struct Form3 : Screen {
    static constexpr ScreenId kId = ScreenId::Battle;
    // The window's outer size, which the rules of the field read.
    static constexpr float Width = 7680;
    static constexpr float Height = 5685;

    explicit Form3(Game& game);

    BattleModel bm;
    QString sakusen;  // first character of the strategy last carried out

    std::array<Picture, kSoldiers> HEIM;  // the player's soldiers, on the right
    std::array<Picture, kSoldiers> HEIT;  // the rival's soldiers, on the left
    Picture ICONS[6];
    Picture Image1[2];  // the banner
    Picture FE1[2];     // its two frames
    Label FIGHT;
    Frame kab;  // the bottom panel
    Picture HYO;
    Label mes;
    Frame HANDAN;  // the pause menu
    TextBox sinti;
    ComboBox SENPO;
    Button II, MOMIR, MG;
    Timer snk;     // the battle clock
    Timer Timer1;  // the opening sequence

    void Form_Load() override;
    std::vector<TimerHook> timers() override;

    void Timer1_Timer();  // opening talk and flash
    void snk_Timer();     // one battle tick
    void Form_KeyDown(int keyCode);
    void SENPO_Click(int index);
    void MOMIR_Click();
    void MG_Click();
    void II_Click();
    void QueryUnload();  // the close box: the battle ends like a retreat, without words

    void sub1();
    void sub2();
    void HAI();
    void HITORI();
    void IDO();
    void SIYOU();
    void NOROI();
    void act1();
    void act2();
    void ACT3();
    void ACT4();
    void ACT5();
    void act6();
    void ACT7();
    void ACT8();

    // The status report of side s for country c.
    QString report(int s, int c) const;
    // Whether soldier i of a side stands on the field at all.
    bool fielded(int side, int i) const { return i >= 0 && i <= bm.fieldedTop[side]; }
    std::array<Picture, kSoldiers>& sprites(int side) { return side == kPlayer ? HEIM : HEIT; }

  private:
    void fieldSoldiers(int side, int country);
    // A side's turns of one tick; true when any of its strikes landed.
    bool playerTurn(int targetCountry);
    bool rivalTurn();
    bool chooseTarget(int side, int targetCountry);
    bool strike(int side, int t);  // true when the strike landed
    void checkOutcome();
    void showMenuReport(bool rival);
    void resume();
    void aimAtOne();
    PictureId portrait(int country);
    void useGoods(const GoodsEntry& goods, int potency);
    void forFielded(int side, const std::function<void(int)>& each);
    void heal(int side, int i, double amount);
    void revive(int side, int i, double amount);
    void wound(int side, int i, double damage);
    void trade(std::int32_t& up, std::int32_t& down, double amount);
    void boost(int side, std::int32_t kou, std::int32_t bou, std::int32_t ketu);
    void bagOutcome(int k);
    void effectFrame(const std::function<void()>& draw, bool holds);
    void circles();
    void rings(int channel);
    void bars(bool red, bool green, bool blue);
    void lightning();
    int countryOf(int side) const;
};

// A random soldier index: r × n truncated, held within 0..255.
int drawSoldier(RandomSource& random, std::int32_t n);

// The target search of the battle: starting from `start`, draws r × n truncated
// until it meets a soldier that `stands`. Returns -1, without drawing, when none of
// the indices the draw can reach stands and `start` does not either.
int drawStanding(const std::array<std::int32_t, kSoldiers>& hp, int start, std::int32_t n,
                 bool (*stands)(std::int32_t), RandomSource& random);

// The two lines of pre-battle talk of a rival; empty for any other number.
std::array<QString, 2> battleTalk(int rival);
// The picture of a rival's soldiers.
PictureId rivalIcon(int rival);

}  // namespace zentar
