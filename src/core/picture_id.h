// Every picture of the game by number; the views load them from the resources.
#pragma once

namespace zentar {

enum class PictureId : int {
    None = -1,
    Title = 0,
    Kao0 = 1,    // KAO(0..13): the portraits, 1..14
    Icon0 = 15,  // ICONS(0..5): the soldier icons, 15..20
    Fe1_0 = 21,  // FE1(0..1): the banner frames, 21..22
    Ending = 23,
    Count = 24,
};

constexpr PictureId kao(int country) {
    return PictureId(int(PictureId::Kao0) + country);
}
constexpr PictureId icon(int n) {
    return PictureId(int(PictureId::Icon0) + n);
}
constexpr PictureId fe1(int n) {
    return PictureId(int(PictureId::Fe1_0) + n);
}

}  // namespace zentar
