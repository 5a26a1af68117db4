// The saved game in the browser: the page's storage, written in place. There is no folder.
// The page tells of a value the browser refused to store, which Qt does not.
#include <emscripten.h>
#include <QFile>
#include <cstdio>

#include "platform/file_store.h"
#include "platform/in_place_store.h"
#include "platform/saved_game_store.h"

namespace zentar {
namespace {

// Whether the browser refused a value since the last time it was asked.
// clang-format off
EM_JS(bool, storageRefused, (), {
    const refused = !!window.zentarStorageRefused;
    window.zentarStorageRefused = false;
    return refused;
});
// clang-format on

class PageValues : public SettingsValues {
  public:
    bool set(const QString& key, const QString& value) override {
        storageRefused();  // what an earlier write met is not this one's
        return SettingsValues::set(key, value) && !storageRefused();
    }
};

}  // namespace

QString settingsFolder() {
    return {};
}

std::unique_ptr<Store> openSavedGame() {
    return std::make_unique<InPlaceStore>(std::make_unique<PageValues>());
}

// The portable form of a save is a file in the page's memory.
bool replaceFile(const QString& staged, const QString& target) {
    return std::rename(QFile::encodeName(staged).constData(),
                       QFile::encodeName(target).constData()) == 0;
}

}  // namespace zentar
