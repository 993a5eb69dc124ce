#pragma once
// The part of the button's accessible state that its own state decides; the
// button remembers what it last announced so it tells only changes.

namespace button {

struct AccessibleStateBits {
    bool pressed = false;
    bool checkable = false;
    bool checked = false;
    friend bool operator==(const AccessibleStateBits&, const AccessibleStateBits&) = default;
};

} // namespace button
