#include "app/screen_table.h"

#include <algorithm>

#include "battle/battle_view.h"
#include "battle/item_chooser_view.h"
#include "country/main_screen_view.h"
#include "country/shop_view.h"
#include "country/training_view.h"
#include "ending/ending_view.h"
#include "title/title_view.h"

namespace zentar {
namespace {

template <typename V>
std::unique_ptr<View> make(ScreenHost& host) {
    return std::make_unique<V>(host);
}

constexpr ScreenWindowKind kWindows[] = {
    {ScreenId::Chooser, make<ItemChooserView>, ScreenId::Battle, kCloseKey},
    {ScreenId::Training, make<TrainingView>, ScreenId::Main, kCloseKey},
    {ScreenId::Battle, make<BattleView>, std::nullopt, {u"一時停止", Qt::Key_Return}},
    {ScreenId::Shop, make<ShopView>, std::nullopt},
    {ScreenId::Main, make<MainScreenView>, std::nullopt},
    {ScreenId::Ending, make<EndingView>, std::nullopt},
    {ScreenId::Title, make<TitleView>, std::nullopt},
};
static_assert(std::size(kWindows) == kScreenCount, "every screen has a window");

}  // namespace

std::span<const ScreenWindowKind> screenWindows() {
    return kWindows;
}

const ScreenWindowKind& screenWindow(ScreenId id) {
    return *std::find_if(std::begin(kWindows), std::end(kWindows),
                         [id](const ScreenWindowKind& kind) { return kind.id == id; });
}

}  // namespace zentar
