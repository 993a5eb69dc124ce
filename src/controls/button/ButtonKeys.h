#pragma once
// Mouse-button, shift-state and virtual-key codes as the control's events carry them.
#include <Qt>

class QKeyEvent;

namespace button {

// 1 left, 2 right, 4 middle, 0 for any other button.
short MouseButtonCode(Qt::MouseButton button);
// The held buttons as a sum of the codes above.
short MouseButtonsCode(Qt::MouseButtons buttons);
// 1 Shift, 2 Ctrl, 4 Alt.
short ShiftCode(Qt::KeyboardModifiers modifiers);
// The virtual-key code of a key (32 Space, 37 Left, 38 Up, 39 Right, 40 Down, 65 'A' ...); 0 if none.
short VirtualKeyCode(int qtKey);

inline constexpr short kVkSpace = 32;
inline constexpr short kVkLeft = 37;
inline constexpr short kVkUp = 38;
inline constexpr short kVkRight = 39;
inline constexpr short kVkDown = 40;

} // namespace button
