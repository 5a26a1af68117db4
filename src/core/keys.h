// Key codes as the screens receive them: the classic virtual-key numbers.
#pragma once

namespace zentar {

inline constexpr int kVkReturn = 13;
inline constexpr int kVkLeft = 37;
inline constexpr int kVkUp = 38;
inline constexpr int kVkRight = 39;
inline constexpr int kVkDown = 40;
inline constexpr int kVkNumpad0 = 96;

constexpr bool isArrowKey(int key) {
    return key >= kVkLeft && key <= kVkDown;
}

}  // namespace zentar
