#pragma once
// Pointer-shape codes of MousePointer and the Qt cursors they stand for.
#include <Qt>

#include <optional>

namespace button {

inline constexpr int kPointerArrow = 1;
inline constexpr int kPointerCustom = 99;

// The cursor shape of a standard code 1 to 15; nullopt for 0 (the parent's
// pointer), 99 (custom) and unknown codes.
std::optional<Qt::CursorShape> CursorShapeForCode(int code);

} // namespace button
