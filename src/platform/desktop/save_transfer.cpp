// The desktops carry the saved game with zentar --export-save and --import-save.
#include "platform/save_transfer.h"

namespace zentar {

void offerSaveTransfer(std::function<bool()>) {}

}  // namespace zentar
