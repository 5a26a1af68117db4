#include "core/game.h"

#include "battle/battle.h"
#include "battle/item_chooser.h"
#include "country/main_screen.h"
#include "country/shop.h"
#include "country/training.h"
#include "ending/ending.h"
#include "state/saved_game.h"
#include "title/title.h"

namespace zentar {
namespace {

std::unique_ptr<Screen> makeScreen(ScreenId id, Game& g) {
    switch (id) {
        case ScreenId::Title:
            return std::make_unique<Form1>(g);
        case ScreenId::Main:
            return std::make_unique<Form2>(g);
        case ScreenId::Training:
            return std::make_unique<Form4>(g);
        case ScreenId::Shop:
            return std::make_unique<Shop>(g);
        case ScreenId::Battle:
            return std::make_unique<Form3>(g);
        case ScreenId::Chooser:
            return std::make_unique<Form7>(g);
        case ScreenId::Ending:
            return std::make_unique<Form8>(g);
    }
    return nullptr;
}

// Drawing while no battle window shows: nothing to see.
class NoSurface : public BattleSurface {
  public:
    void beginEffect(int) override {}
    void fillColor(Rgb) override {}
    void circle(float, float, float, Rgb) override {}
    void line(float, float, float, float, Rgb) override {}
    void box(float, float, float, float, Rgb) override {}
    void cls() override {}
    void hold() override {}
};

}  // namespace

Game::Game(const Services& services)
    : random(services.random),
      dialogues(services.dialogues),
      sound(services.sound),
      clock(services.clock),
      store(services.store) {}

Game::~Game() = default;

void Game::start() {
    run([this] { Show(ScreenId::Title); });
}

void Game::Load(ScreenId id) {
    Slot& s = slot(id);
    if (s.screen || ended_) return;
    s.screen = makeScreen(id, *this);
    s.visible = false;
    s.enabled = true;
    s.screen->Form_Load();
}

void Game::Show(ScreenId id) {
    Load(id);
    if (loaded(id)) slot(id).visible = true;
}

void Game::Hide(ScreenId id) {
    slot(id).visible = false;
}

void Game::Unload(ScreenId id) {
    Slot& s = slot(id);
    if (!s.screen) return;
    std::unique_ptr<Screen> leaving = std::move(s.screen);
    leaving->Form_Unload();
    unloaded_.push_back(std::move(leaving));
}

void Game::SetEnabled(ScreenId id, bool enabled) {
    slot(id).enabled = enabled;
}

void Game::End() {
    ended_ = true;
}

BattleSurface& Game::surface() const {
    static NoSurface nowhere;
    return surface_ ? *surface_ : nowhere;
}

void Game::detachSurface(const BattleSurface* surface) {
    if (surface_ == surface) surface_ = nullptr;
}

void Game::save() {
    const QString failure = saveGame(st, store);
    lastSaveFailed_ = !failure.isEmpty();
    if (lastSaveFailed_)
        dialogues.message(QStringLiteral("セーブに失敗しました。") + st.kaigyo + failure,
                          Buttons::Ok, Icon::None);
}

void Game::settle() {
    unloaded_.clear();
    bool any = false;
    for (const Slot& s : slots_) any = any || s.screen;
    if (!any) ended_ = true;
}

}  // namespace zentar
