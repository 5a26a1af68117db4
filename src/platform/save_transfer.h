// Carrying the saved game between computers and platforms in its portable form, the text
// of the Linux saved file. The desktops take it on the command line; the page offers
// buttons of its own, outside the game's windows.
#pragma once

#include <functional>

namespace zentar {

// Offers the page's buttons that write the saved game to a file and read one in, the
// latter while `mayReplace` says no game under way would save over it. Nothing on the
// desktops.
void offerSaveTransfer(std::function<bool()> mayReplace);

}  // namespace zentar
