// Saves the game into the store of the platform again and again, each time with every value
// from one generation, until it is killed. The crash-safety test kills it.
#include <QCoreApplication>
#include <cstdio>

#include "platform/saved_game_store.h"
#include "state/saved_game.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral(ZENTAR_TEST_STORE));
    const std::unique_ptr<zentar::Store> store = zentar::openSavedGame();
    // The test counts its wait from here, so a slow start on a busy machine is no kill.
    std::fputs("ready\n", stdout);
    std::fflush(stdout);
    for (std::int32_t g = 1;; ++g) {
        zentar::GameState st;
        for (zentar::Country& c : st.country) {
            c.hp = c.wp = c.OFE = c.DEF = c.qui = c.gold = c.win = g;
            c.heisi = g % 200;
            c.name = QString::number(g);
        }
        for (zentar::ItemSlot& s : st.slot) s = {QString::number(g), g};
        st.speed = 1 + g % 300;
        st.day = g;
        if (!zentar::saveGame(st, *store).isEmpty()) return 1;
    }
}
