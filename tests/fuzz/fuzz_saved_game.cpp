// A saved game made of any keys and any values: lines "key=value", where a key may
// also be picked from the real keys by a leading byte. Loading must keep every field
// in its range, and saving what was loaded must load back the same.
#include <QMap>
#include <cstdlib>

#include "state/saved_game.h"
#include "state/store.h"

namespace {

class MemoryStore : public zentar::Store {
  public:
    QMap<QString, QString> values;
    bool contains(const QString& key) override { return values.contains(key); }
    QString read(const QString& key, const QString& fallback) override {
        return values.value(key, fallback);
    }
    void write(const QString& key, const QString& value) override { values[key] = value; }
    QString commit() override { return {}; }
};

bool same(const zentar::GameState& a, const zentar::GameState& b) {
    for (int i = 0; i < zentar::kCountries; ++i) {
        const zentar::Country &x = a.country[i], &y = b.country[i];
        if (x.hp != y.hp || x.wp != y.wp || x.OFE != y.OFE || x.DEF != y.DEF || x.qui != y.qui ||
            x.gold != y.gold || x.win != y.win || x.heisi != y.heisi || x.name != y.name)
            return false;
    }
    for (int i = 0; i <= zentar::kLastSlot; ++i)
        if (a.slot[i].item != b.slot[i].item || a.slot[i].kosuu != b.slot[i].kosuu) return false;
    return a.speed == b.speed && a.day == b.day;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const char* data, size_t size) {
    MemoryStore store;
    const QStringList& keys = zentar::saveKeys();
    for (const QString& line : QString::fromUtf8(data, static_cast<qsizetype>(size)).split(u'\n')) {
        const qsizetype eq = line.indexOf(u'=');
        if (eq < 0) continue;
        QString key = line.left(eq);
        if (key.size() == 1) key = keys[key[0].unicode() % keys.size()];
        store.values[key] = line.mid(eq + 1);
    }
    zentar::GameState st;
    st.speed = 1;
    zentar::loadGame(st, store);
    for (const zentar::Country& c : st.country)
        if (c.heisi < 0 || c.heisi > zentar::kMaxHeisi) std::abort();
    if (st.speed < zentar::kMinSpeed || st.speed > zentar::kMaxSpeed) std::abort();
    MemoryStore again;
    zentar::saveGame(st, again);
    zentar::GameState reloaded;
    zentar::loadGame(reloaded, again);
    if (!same(st, reloaded)) std::abort();
    return 0;
}
