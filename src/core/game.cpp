#include "core/game.h"

#include "state/saved_game.h"

namespace zentar {
namespace {

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

Game::Game(const Services& services, ScreenMaker makeScreen)
    : random(services.random),
      dialogues(services.dialogues),
      sound(services.sound),
      clock(services.clock),
      store(services.store),
      makeScreen_(makeScreen) {}

Game::~Game() = default;

void Game::start() {
    run([this] { Show(ScreenId::Title); });
}

void Game::Load(ScreenId id) {
    Slot& s = slot(id);
    if (s.screen || ended_) return;
    s.screen = makeScreen_(id, *this);
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
