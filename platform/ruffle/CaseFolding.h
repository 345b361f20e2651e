#pragma once

#include <QString>

namespace zingbox {

// The form in which Windows compares two file names: each letter by Unicode simple case
// folding, one code point for one, so "ẞ" meets "ß" but never "ss", and letters beyond
// the Basic Multilingual Plane fold as whole code points.
QString CaseFolded(const QString& name);

}  // namespace zingbox
