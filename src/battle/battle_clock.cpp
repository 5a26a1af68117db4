// One tick of the battle clock: every standing soldier of the player and then of
// the rival turns to its target, steps, is held on the field and strikes on contact.
#include <algorithm>
#include <cmath>

#include "battle/battle.h"
#include "core/game.h"
#include "state/numbers.h"

namespace zentar {
namespace {

// Draws after which a target search gives up drawing and takes the lowest standing index.
constexpr int kMaxTargetDraws = 100000;

std::int32_t satMul(std::int32_t a, std::int32_t b) {
    return truncate(static_cast<double>(a) * static_cast<double>(b));
}

// The player's soldiers step by chance: up to 3 × ketu towards smaller coordinates,
// up to 5 × ketu towards larger ones, and snap on at most 3 × ketu away.
float playerStep(float from, float to, std::int32_t ketu, RandomSource& random) {
    const std::int32_t reach = satMul(3, ketu);
    if (std::fabs(static_cast<double>(from) - to) > reach) {
        const double r = random.next();
        return static_cast<float>(from >= to ? from - r * ketu * 3 : r * ketu * 5 + from);
    }
    return to;
}

// The rival's soldiers step exactly 3 × ketu, and snap on when closer than that.
float rivalStep(float from, float to, std::int32_t ketu) {
    const std::int32_t reach = satMul(3, ketu);
    if (std::fabs(static_cast<double>(from) - to) >= reach)
        return static_cast<float>(from >= to ? double(from) - reach : double(from) + reach);
    return to;
}

// The centre of the attacker's sprite lies inside the target's rectangle, edges included.
bool inContact(const Picture& a, const Picture& t) {
    const float cy = a.Top + a.Height / 2;
    const float cx = a.Left + a.Width / 2;
    return cy >= t.Top && t.Top + t.Height >= cy && cx >= t.Left && t.Left + t.Width >= cx;
}

}  // namespace

// Every strike that lands beeps; the strikes of one tick sound as one beep.
void Form3::snk_Timer() {
    HAI();
    bool struck = playerTurn(g.st.aite);
    HAI();
    struck |= rivalTurn();
    HAI();
    if (struck) g.sound.beep();
    checkOutcome();
}

bool Form3::playerTurn(int targetCountry) {
    bool struck = false;
    const int n = std::clamp(g.st.country[0].heisi, 0, kSoldiers - 1);
    for (bm.ban = 0; bm.ban <= n; ++bm.ban) {
        bm.jin = kPlayer;
        if (bm.heihp[kPlayer][bm.ban] <= 0 || bm.nokori[kRival] <= 0) continue;
        if (!chooseTarget(kPlayer, targetCountry)) continue;
        const int t = bm.mato[kPlayer][bm.ban];
        Picture& a = HEIM[bm.ban];
        const Picture& target = HEIT[t];
        a.Left = playerStep(a.Left, target.Left, bm.ketu[kPlayer], g.random);
        a.Top = playerStep(a.Top, target.Top, bm.ketu[kPlayer], g.random);
        HITORI();
        struck |= strike(kPlayer, t);
    }
    return struck;
}

bool Form3::rivalTurn() {
    bool struck = false;
    const int n =
        std::clamp(g.st.country[std::clamp(g.st.aite, 0, kCountries - 1)].heisi, 0, kSoldiers - 1);
    for (bm.ban = 0; bm.ban <= n; ++bm.ban) {
        bm.jin = kRival;
        if (bm.heihp[kRival][bm.ban] <= 0 || bm.nokori[kPlayer] <= 0) continue;
        if (!chooseTarget(kRival, 0)) continue;
        const int t = bm.mato[kRival][bm.ban];
        Picture& a = HEIT[bm.ban];
        const Picture& target = HEIM[t];
        a.Left = rivalStep(a.Left, target.Left, bm.ketu[kRival]);
        a.Top = rivalStep(a.Top, target.Top, bm.ketu[kRival]);
        HITORI();
        struck |= strike(kRival, t);
    }
    return struck;
}

int drawSoldier(RandomSource& random, std::int32_t n) {
    return std::clamp(truncate(static_cast<double>(random.next()) * n), 0, kSoldiers - 1);
}

int drawStanding(const std::array<std::int32_t, kSoldiers>& hp, int start, std::int32_t n,
                 bool (*stands)(std::int32_t), RandomSource& random) {
    int t = std::clamp(start, 0, kSoldiers - 1);
    if (stands(hp[t])) return t;
    const int drawable = std::clamp(n - 1, 0, kSoldiers - 1);
    const auto end = hp.begin() + drawable + 1;
    const auto first = std::find_if(hp.begin(), end, stands);
    if (first == end) return -1;
    for (int draw = 0; draw < kMaxTargetDraws && !stands(hp[t]); ++draw) t = drawSoldier(random, n);
    return stands(hp[t]) ? t : static_cast<int>(first - hp.begin());
}

// Replaces a fallen target by a random soldier 0..heisi − 1 of the other side. When
// none of those stands, the soldier's turn ends (false).
bool Form3::chooseTarget(int side, int targetCountry) {
    const std::int32_t heisi = g.st.country[std::clamp(targetCountry, 0, kCountries - 1)].heisi;
    std::int32_t& mato = bm.mato[side][bm.ban];
    const int t = drawStanding(
        bm.heihp[1 - side], mato, heisi, [](std::int32_t hp) { return hp > 0; }, g.random);
    if (t < 0) return false;
    mato = t;
    return true;
}

bool Form3::strike(int side, int t) {
    const int other = 1 - side;
    const auto& attacker = sprites(side)[bm.ban];
    auto& target = sprites(other)[t];
    const bool lands = inContact(attacker, target);
    double dmg = 0;
    if (lands) {
        const std::int32_t bracket = truncate(2.0 * bm.kou[side] - bm.bou[other]);
        dmg = g.random.next() * static_cast<double>(bracket);
    }
    if (dmg < 0) dmg = 1;
    std::int32_t& hp = bm.heihp[other][t];
    if (dmg != 0) hp = roundEven(static_cast<double>(hp) - dmg);
    if (hp < 1) {
        hp = 0;
        target.Visible = false;
        bm.nokori[other] = satAdd(bm.nokori[other], -1);
    }
    return lands;
}

}  // namespace zentar
