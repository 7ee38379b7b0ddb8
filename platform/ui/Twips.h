#pragma once
// Window sizes of the original are in twips: 15 to a pixel at 96 dpi.
namespace platform {

constexpr int twips(double t) {
    return static_cast<int>(t / 15.0 + 0.5);
}
constexpr double toTwips(int pixels) {
    return pixels * 15.0;
}

} // namespace platform
