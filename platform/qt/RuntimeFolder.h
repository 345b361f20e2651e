#pragma once

namespace zingbox {

// Gives the program the private runtime folder that a desktop login provides, where none
// was given (a bare X server, a script): the same folder Qt would fall back to, made
// ahead, so that Qt does not warn about a start that is otherwise in order. A folder that
// cannot be ours is left to Qt, which says what is wrong. Call before QApplication.
void ProvideRuntimeFolder();

}  // namespace zingbox
