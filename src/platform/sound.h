// The game's sound on this platform: the strike beep through Qt Multimedia on the
// desktops, through the browser's own audio in the page. Each opens its sound output at the
// first beep and keeps it for the whole run.
#pragma once

#include <memory>

#include "core/sound.h"

namespace zentar {

std::unique_ptr<Sound> makeGameSound();

}  // namespace zentar
