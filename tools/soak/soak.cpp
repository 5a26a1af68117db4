// The headless player: plays whole games through the screens' own handlers from a
// seed — training, shopping, battles with random strategies and items, retreats — and
// checks the battle's invariants after every tick. The same seed replays the same run.
//
//   zentar_soak [--battles N] [--seed S]   prints the figures and a checksum of the run
//   zentar_soak --replay ...               plays the run twice and fails unless both agree
#include <QCoreApplication>
#include <QElapsedTimer>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <map>

#include "battle/battle.h"
#include "battle/item_chooser.h"
#include "core/game.h"
#include "core/keys.h"
#include "core/random.h"
#include "country/main_screen.h"
#include "country/shop.h"
#include "country/training.h"
#include "screens/screens.h"
#include "title/title.h"

using namespace zentar;

namespace {

constexpr int kQuietTicks = 3000;     // a battle with no damage for this long is stuck
constexpr int kBattleTicks = 200000;  // no battle may run longer than this

// A platform without a screen: seeded draws, answers from the player's own dice.
class SoakPlatform : public RandomSource,
                     public Dialogues,
                     public Sound,
                     public Clock,
                     public Store,
                     public BattleSurface {
  public:
    explicit SoakPlatform(std::uint32_t seed) : game_(seed), dice_(seed ^ 0x9e3779b9u) {}
    Services services() { return {*this, *this, *this, *this, *this}; }
    float next() override { return game_.next(); }
    void seedFromClock() override {
        game_.seed(static_cast<std::uint32_t>(dice_.next() * 4294967295.0));
    }
    Answer message(const QString&, Buttons buttons, Icon) override {
        ++messages;
        if (buttons == Buttons::Ok) return Answer::Ok;
        return dice_.next() < 0.5f ? Answer::Yes : Answer::No;
    }
    void beep() override {}
    QString timeOfDay() override { return QStringLiteral("0:00:00"); }
    void showHelp() override {}
    bool contains(const QString& key) override { return store_.count(key) > 0; }
    QString read(const QString& key, const QString& fallback) override {
        const auto it = store_.find(key);
        return it == store_.end() ? fallback : it->second;
    }
    void write(const QString& key, const QString& value) override { store_[key] = value; }
    QString commit() override { return {}; }
    void beginEffect(int) override {}
    void fillColor(Rgb) override {}
    void circle(float, float, float, Rgb) override { ++shapes; }
    void line(float, float, float, float, Rgb) override { ++shapes; }
    void box(float, float, float, float, Rgb) override { ++shapes; }
    void cls() override {}
    void hold() override {}

    float roll() { return dice_.next(); }  // the player's own decisions
    int pick(int n) { return std::min(n - 1, static_cast<int>(roll() * n)); }
    long messages = 0, shapes = 0;

  private:
    Random game_;
    Random dice_;
    std::map<QString, QString> store_;
};

struct Figures {
    long battles = 0, ticks = 0, items = 0, wins = 0, defeats = 0, retreats = 0, stuck = 0,
         strategies = 0, purchases = 0, trainedDays = 0;
};

[[noreturn]] void fail(const char* what, long battle, long tick) {
    std::fprintf(stderr, "invariant broken in battle %ld, tick %ld: %s\n", battle, tick, what);
    std::exit(1);
}

class Player {
  public:
    explicit Player(std::uint32_t seed) : pf_(seed) { newProgram(); }

    void play(long battles) {
        g().run([&] { g().start(); });
        startNewGame();
        while (f_.battles < battles) {
            if (g().ended() || !g().find<Form2>()) startNewGame();
            const float choice = pf_.roll();
            if (choice < 0.2f)
                train();
            else if (choice < 0.4f)
                shop();
            else
                fight();
        }
    }
    const Figures& figures() const { return f_; }
    long messages() const { return pf_.messages; }
    long shapes() const { return pf_.shapes; }

    // A checksum of the state, to see that a replay came out the same.
    std::uint64_t checksum() const {
        std::uint64_t h = 1469598103934665603ull;
        auto mix = [&h](std::int64_t v) {
            h = (h ^ static_cast<std::uint64_t>(v)) * 1099511628211ull;
        };
        for (const Country& c : g().st.country)
            for (std::int32_t v : {c.hp, c.OFE, c.DEF, c.qui, c.gold, c.win, c.heisi}) mix(v);
        for (const ItemSlot& s : g().st.slot) mix(s.kosuu);
        mix(g().st.day);
        return h;
    }

  private:
    void newProgram() {
        game_ = std::make_unique<Game>(pf_.services(), makeScreen);
        game_->attachSurface(&pf_);
    }
    Game& g() { return *game_; }
    const Game& g() const { return *game_; }
    template <typename H>
    void run(H&& h) {
        g().run(std::forward<H>(h));
    }

    void startNewGame() {
        if (g().ended() || !g().find<Form1>()) {  // the program ended: start it again
            newProgram();
            run([&] { g().start(); });
        }
        // The dice answer the question; ask until the player says yes.
        for (int i = 0; i < 64 && g().find<Form1>(); ++i)
            run([&] { g().find<Form1>()->N1_Click(); });
        if (g().find<Form1>())
            run([&] {
                g().st.newGame({});
                g().Unload(ScreenId::Title);
                g().Show(ScreenId::Main);
            });
    }

    void tickMain(int ticks) {
        for (int t = 0; t < ticks; ++t)
            if (Form2* m = g().find<Form2>()) run([&] { m->Timer2_Timer(); });
    }

    void train() {
        run([&] { g().find<Form2>()->N1_Click(); });
        Form4* d = g().find<Form4>();
        run([&] {
            d->NAIYO_Click(pf_.pick(7));
            d->Text1_Change(QString::number(pf_.pick(6)));
            d->OK_Click();
        });
        const std::int32_t before = g().st.day;
        for (int t = 0; t < 2000 && g().st.nissu > 0; ++t) tickMain(1);
        f_.trainedDays += g().st.day - before;
    }

    void shop() {
        run([&] { g().find<Form2>()->N2_Click(); });
        Shop* s = g().find<Shop>();
        for (int n = pf_.pick(4); n >= 0; --n) {
            run([&] {
                s->NAIYO_Click(pf_.pick(10));
                s->Text1_Change(QString::number(pf_.pick(6)));
                s->Text2_Change(QString::number(pf_.pick(10)));
            });
            run([&] { s->Timer1_Timer(); });
            run([&] { s->OK_Click(); });
            ++f_.purchases;
        }
        run([&] { s->NO_Click(); });
    }

    void fight() {
        Form2* m = g().find<Form2>();
        run([&] {
            // Mostly the weaker rivals, so that battles are won as well as lost.
            const int reach = pf_.roll() < 0.7f ? std::min(3, m->KKAze.Max) : m->KKAze.Max;
            m->KKAze_Change(1 + pf_.pick(reach));
            m->N3_Click();
        });
        ++f_.battles;
        Form3* b = g().find<Form3>();
        const std::int32_t heisi[2] = {g().st.country[0].heisi, g().st.country[g().st.aite].heisi};
        long tick = 0, quiet = 0;
        std::int64_t lastHp = -1;
        while (g().find<Form3>() == b && b) {
            if (++tick > kBattleTicks) fail("the battle never ends", f_.battles, tick);
            if (b->Timer1.Enabled) {
                run([&] { b->Timer1_Timer(); });
            } else {
                const std::int64_t money =
                    std::int64_t(g().st.country[0].gold) + g().st.country[g().st.aite].gold;
                const std::int32_t wins = g().st.country[g().st.aite].win;
                run([&] { b->snk_Timer(); });
                ++f_.ticks;
                if (!g().find<Form3>()) {
                    settled(money, wins);
                    break;
                }
                check(*b, heisi);
                const std::int64_t hp = totalHp(*b);
                quiet = hp == lastHp ? quiet + 1 : 0;
                lastHp = hp;
                if (quiet > kQuietTicks) {
                    ++f_.stuck;
                    retreat(b);
                    break;
                }
                if (pf_.roll() < 0.03f) pause(b, heisi);
            }
            tickMain(1);
        }
    }

    void settled(std::int64_t money, std::int32_t wins) {
        const std::int64_t after =
            std::int64_t(g().st.country[0].gold) + g().st.country[g().st.aite].gold;
        const bool saturated =
            g().st.country[0].gold == std::numeric_limits<std::int32_t>::max() ||
            g().st.country[g().st.aite].gold == std::numeric_limits<std::int32_t>::max();
        if (after != money && !saturated)
            fail("money was not conserved by the settlement", f_.battles, f_.ticks);
        if (g().st.country[g().st.aite].win > wins)
            ++f_.wins;
        else
            ++f_.defeats;
    }

    static std::int64_t totalHp(const Form3& b) {
        std::int64_t sum = 0;
        for (const auto& side : b.bm.heihp)
            for (std::int32_t v : side) sum += v;
        return sum;
    }

    void check(const Form3& b, const std::int32_t heisi[2]) {
        for (int side : {kPlayer, kRival}) {
            int alive = 0;
            for (int i = 0; i < kSoldiers; ++i) {
                const std::int32_t hp = b.bm.heihp[side][i];
                const Picture& s = side == kPlayer ? b.HEIM[i] : b.HEIT[i];
                if (b.bm.mato[side][i] < 0 || b.bm.mato[side][i] >= kSoldiers)
                    fail("a target out of range", f_.battles, f_.ticks);
                if (!b.fielded(side, i)) {
                    if (hp != 0 || s.Visible)
                        fail("a soldier that was never fielded is in the battle", f_.battles,
                             f_.ticks);
                    continue;
                }
                if (s.Visible != (hp > 0))
                    fail("a sprite shows a fallen soldier or hides a living one", f_.battles,
                         f_.ticks);
                if (!(s.Left == s.Left) || !(s.Top == s.Top))
                    fail("a sprite left the numbers", f_.battles, f_.ticks);
                alive += hp > 0;
            }
            const int fielded = b.bm.fieldedTop[side] + 1;
            if (b.bm.nokori[side] != alive + heisi[side] - fielded)
                fail("nokori does not count the standing soldiers", f_.battles, f_.ticks);
            if (b.bm.nokori[side] < -1 || b.bm.nokori[side] > fielded)
                fail("nokori out of range", f_.battles, f_.ticks);
        }
    }

    void openMenu(Form3* b) {
        run([&] { b->Form_KeyDown(pf_.roll() < 0.5f ? kVkReturn : kVkNumpad0); });
    }

    void pause(Form3* b, const std::int32_t heisi[2]) {
        openMenu(b);
        if (pf_.roll() < 0.3f) run([&] { b->MOMIR_Click(); });
        const int strategy = pf_.pick(10);
        ++f_.strategies;
        if (strategy == 9) return retreat(b);
        if (strategy >= 5) {
            run([&] {
                b->SENPO_Click(2);
                b->II_Click();
            });
            Form7* c = g().find<Form7>();
            run([&] { c->AITEM_Click(pf_.pick(31) - 1); });
            if (pf_.roll() < 0.8f) run([&] { c->Timer1_Timer(); });
            if (pf_.roll() < 0.9f) {
                run([&] { c->Command1_Click(); });
                ++f_.items;
                check(*b, heisi);
            } else {
                run([&] { c->Command2_Click(); });
            }
        }
        if (strategy == 4) return run([&] { b->MG_Click(); });
        run([&] {
            b->SENPO_Click(strategy % 2);
            b->II_Click();
        });
    }

    void retreat(Form3* b) {
        if (!b->HANDAN.Visible) openMenu(b);
        run([&] {
            b->SENPO_Click(3);
            b->II_Click();
        });
        ++f_.retreats;
    }

    SoakPlatform pf_;
    std::unique_ptr<Game> game_;
    Figures f_;
};

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    long battles = 300;
    std::uint32_t seed = 1;
    bool replay = false;
    for (int i = 1; i < argc; ++i) {
        const QString flag = QString::fromLocal8Bit(argv[i]);
        if (flag == QLatin1String("--replay"))
            replay = true;
        else if (i + 1 < argc && flag == QLatin1String("--battles"))
            battles = std::atol(argv[++i]);
        else if (i + 1 < argc && flag == QLatin1String("--seed"))
            seed = static_cast<std::uint32_t>(std::atol(argv[++i]));
    }
    QElapsedTimer timer;
    timer.start();
    Player player(seed);
    player.play(battles);
    if (replay) {
        Player again(seed);
        again.play(battles);
        if (again.checksum() != player.checksum()) {
            std::fprintf(stderr, "the replay of seed %u came out different\n", seed);
            return 1;
        }
    }
    const Figures& f = player.figures();
    std::printf(
        "seed %u: %ld battles (%ld won, %ld lost, %ld retreats of which %ld stuck), %ld ticks, "
        "%ld strategies, %ld item uses, %ld purchases, %ld trained days, %ld messages, "
        "%ld shapes, %.1f s, checksum %016llx\n",
        seed, f.battles, f.wins, f.defeats, f.retreats, f.stuck, f.ticks, f.strategies, f.items,
        f.purchases, f.trainedDays, player.messages(), player.shapes(), timer.elapsed() / 1000.0,
        static_cast<unsigned long long>(player.checksum()));
    return 0;
}
