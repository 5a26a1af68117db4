#include "country/day_clock.h"

#include "state/numbers.h"

namespace zentar {
namespace {

// field = old + r × k, rounded ties to even, held within int32.
void grow(std::int32_t& field, double k, RandomSource& random) {
    const double r = random.next();
    field = roundEven(static_cast<double>(field) + r * k);
}

}  // namespace

int randomMode(RandomSource& random) {
    return truncate(static_cast<double>(random.next()) * 5);
}

void growCountry(Country& c, int mode, RandomSource& random) {
    switch (mode) {
        case 1:
            grow(c.hp, 50, random);
            grow(c.DEF, 3, random);
            break;
        case 2:
            grow(c.hp, 30, random);
            grow(c.OFE, 17, random);
            break;
        case 3:
            grow(c.gold, 20.0 * 1000, random);
            break;
        case 4:
            grow(c.hp, 25, random);
            grow(c.qui, 3, random);
            break;
        case 5:
            grow(c.hp, 20, random);
            grow(c.OFE, 9, random);
            grow(c.DEF, 2, random);
            grow(c.qui, 2, random);
            grow(c.gold, 10.0 * 1000, random);
            break;
        default:  // 0, 7 and anything else: no growth
            break;
    }
}

void passDay(GameState& st, RandomSource& random) {
    for (int j = 0; j < kCountries; ++j) {
        int mode = j == 0 ? st.kunren : randomMode(random);
        if (mode == kModeRandom) mode = randomMode(random);
        growCountry(st.country[j], mode, random);
    }
    st.day = satAdd(st.day, 1);
    st.nissu = satAdd(st.nissu, -1);
}

}  // namespace zentar
