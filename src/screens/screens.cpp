#include "screens/screens.h"

#include "battle/battle.h"
#include "battle/item_chooser.h"
#include "country/main_screen.h"
#include "country/shop.h"
#include "country/training.h"
#include "ending/ending.h"
#include "title/title.h"

namespace zentar {

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

}  // namespace zentar
