#include "country/day_clock.h"

#include "state/numbers.h"

namespace zentar {
namespace {

// field = old + r × k, rounded ties to even, held within int32.
void grow(std::int32_t& field, double k, Platform& pf) {
    const double r = pf.random();
    field = roundEven(static_cast<double>(field) + r * k);
}

}  // namespace

int randomMode(Platform& pf) {
    return truncate(static_cast<double>(pf.random()) * 5);
}

void growCountry(Country& c, int mode, Platform& pf) {
    switch (mode) {
        case 1:
            grow(c.hp, 50, pf);
            grow(c.DEF, 3, pf);
            break;
        case 2:
            grow(c.hp, 30, pf);
            grow(c.OFE, 17, pf);
            break;
        case 3:
            grow(c.gold, 20.0 * 1000, pf);
            break;
        case 4:
            grow(c.hp, 25, pf);
            grow(c.qui, 3, pf);
            break;
        case 5:
            grow(c.hp, 20, pf);
            grow(c.OFE, 9, pf);
            grow(c.DEF, 2, pf);
            grow(c.qui, 2, pf);
            grow(c.gold, 10.0 * 1000, pf);
            break;
        default:  // 0, 7 and anything else: no growth
            break;
    }
}

void passDay(GameState& st, Platform& pf) {
    for (int j = 0; j < kCountries; ++j) {
        int mode = j == 0 ? st.kunren : randomMode(pf);
        if (mode == kModeRandom) mode = randomMode(pf);
        growCountry(st.country[j], mode, pf);
    }
    st.day = satAdd(st.day, 1);
    st.nissu = satAdd(st.nissu, -1);
}

}  // namespace zentar
