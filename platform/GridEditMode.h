#pragma once
// How the user starts an edit of a grid's cell: never, from the keyboard
// only, or also by clicking the cell that is already current. Below the
// grid control (platform/ui), so that logic choosing a mode needs no Qt.
namespace platform {

enum class EditMode { None, Keyboard, KeyboardMouse };

} // namespace platform
