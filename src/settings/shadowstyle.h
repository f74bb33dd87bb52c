#pragma once

namespace corvane {

// The look of the title labels: a deep shadow in blue, or a shallow one in navy.
struct ShadowStyle {
    int depth;
    int color; // a stored colour value
};

inline ShadowStyle shadowStyle(bool shadows) {
    return shadows ? ShadowStyle{4, 0x00FF0000} : ShadowStyle{1, 0x00800000};
}

} // namespace corvane
