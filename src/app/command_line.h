// The commands the game takes instead of playing: carrying its saved game out to a file
// and in from one, and help. They open no window, so they need no display.
#pragma once

#include <optional>

namespace zentar {

// Runs the command the program's arguments give, if any, and returns its exit status;
// none when the game is to be played.
std::optional<int> runCommand(int argc, char** argv);

}  // namespace zentar
