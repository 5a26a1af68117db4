#include "state/saved_game.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "state/numbers.h"

namespace zentar {
namespace {

constexpr std::int32_t kAnyLow = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kAnyHigh = std::numeric_limits<std::int32_t>::max();

struct CountryNumber {
    const char* key;
    std::int32_t Country::*field;
    std::int32_t lo, hi;
};

// The numbers of a country in the order of their keys; the name follows them.
constexpr CountryNumber kCountryNumbers[] = {
    {"hp", &Country::hp, kAnyLow, kAnyHigh},   {"wp", &Country::wp, kAnyLow, kAnyHigh},
    {"OFE", &Country::OFE, kAnyLow, kAnyHigh}, {"DEF", &Country::DEF, kAnyLow, kAnyHigh},
    {"qui", &Country::qui, kAnyLow, kAnyHigh}, {"gold", &Country::gold, kAnyLow, kAnyHigh},
    {"win", &Country::win, kAnyLow, kAnyHigh}, {"heisi", &Country::heisi, 0, kMaxHeisi},
};

// Visits every saved value in key order: visit(key, number, lo, hi) or visit(key, text).
template <typename State, typename Visit>
void forEachField(State& st, Visit&& visit) {
    for (int i = 0; i < kCountries; ++i) {
        const QString n = QString::number(i);
        auto& c = st.country[i];
        for (const CountryNumber& f : kCountryNumbers)
            visit(QLatin1String(f.key) + n, c.*(f.field), f.lo, f.hi);
        visit("name" + n, c.name);
    }
    for (int i = 0; i <= kLastSlot; ++i) {
        const QString n = QString::number(i);
        visit("item" + n, st.slot[i].item);
        visit("kosuu" + n, st.slot[i].kosuu, kAnyLow, kAnyHigh);
    }
    visit(QStringLiteral("speed"), st.speed, kMinSpeed, kMaxSpeed);
    visit(QStringLiteral("day"), st.day, kAnyLow, kAnyHigh);
}

// Writes every value, and keeps what it wrote to check the save against.
struct Writer {
    Store& store;
    QList<std::pair<QString, QString>> written;
    void operator()(const QString& key, std::int32_t v, std::int32_t, std::int32_t) {
        (*this)(key, QString::number(v));
    }
    void operator()(const QString& key, const QString& text) {
        store.write(key, text);
        written.emplace_back(key, text);
    }
};

struct Reader {
    Store& store;
    int kept = 0;  // values missing, unreadable or not as they were written

    bool exact(const QString& key) const {
        StoreMending* file = store.mending();
        return !file || file->exact(key);
    }
    // Only a number read from the store is held within its range; a missing or
    // unreadable one keeps the value the game already had.
    void operator()(const QString& key, std::int32_t& v, std::int32_t lo, std::int32_t hi) {
        double read{};
        if (!parseStoredNumber(store.read(key, QString()), read)) {  // a missing key reads as ""
            ++kept;
            return;
        }
        const std::int32_t near = roundEven(read);
        v = std::clamp(near, lo, hi);
        // A number beyond 32 bits was not written by the game: it is held at the limit.
        if (!exact(key) || near != std::nearbyint(read)) ++kept;
    }
    void operator()(const QString& key, QString& text) {
        if (store.contains(key)) text = store.read(key, text);
        if (!store.contains(key) || !exact(key)) ++kept;
    }
};

struct KeyLister {
    QStringList& keys;
    void operator()(const QString& key, const std::int32_t&, std::int32_t, std::int32_t) {
        keys << key;
    }
    void operator()(const QString& key, const QString&) { keys << key; }
};

}  // namespace

const QStringList& saveKeys() {
    static const QStringList keys = [] {
        QStringList k;
        const GameState blank;
        forEachField(blank, KeyLister{k});
        return k;
    }();
    return keys;
}

// A save is whole or does not happen: the values put down beside the saved game are read
// back, each compared with what was meant, before they take its place.
QString saveGame(const GameState& st, Store& store) {
    Writer writer{store, {}};
    forEachField(st, writer);
    QString failure = store.stage();
    if (failure.isEmpty()) {
        const auto differs = [&store](const std::pair<QString, QString>& value) {
            return store.staged(value.first) != value.second;
        };
        const auto wrong = std::count_if(writer.written.begin(), writer.written.end(), differs);
        if (wrong > 0)
            failure =
                QStringLiteral("%1 個のうち %2 個の値が、書いたとおりに読み戻せませんでした。")
                    .arg(writer.written.size())
                    .arg(wrong);
    }
    if (!failure.isEmpty()) {
        store.discard();
        return failure;
    }
    return store.commit();
}

int loadGame(GameState& st, Store& store) {
    Reader reader{store};
    forEachField(st, reader);
    return reader.kept;
}

bool hasSavedGame(Store& store) {
    const QStringList& keys = saveKeys();
    return std::any_of(keys.begin(), keys.end(),
                       [&store](const QString& k) { return store.contains(k); });
}

QString copySavedGame(Store& from, Store& to) {
    StoreMending* file = from.mending();
    if (file && !file->notAFile().isEmpty()) return file->notAFile();
    if (!hasSavedGame(from)) return QStringLiteral("セーブデータがありません。");
    GameState st;
    const int kept = loadGame(st, from);
    if (kept > 0)
        return QStringLiteral(
                   "セーブデータが傷んでいます。%1 個のうち %2 個の値が、"
                   "書かれたとおりには読めませんでした。")
            .arg(saveKeys().size())
            .arg(kept);
    if (file && file->damaged()) return QStringLiteral("セーブデータのファイルが傷んでいます。");
    return saveGame(st, to);
}

}  // namespace zentar
