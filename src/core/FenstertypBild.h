#pragma once

// Names of the window types in file names: the type pictures in the picture
// folder ("fenster_" + short name + ".jpg") and the template projects.

#include <QString>

namespace vitrano {

inline constexpr int ErsterFenstertyp = 1;
inline constexpr int LetzterFenstertyp = 9;

// "einfl", "zweifl", ... for the window types 1 to 9; empty for any other code.
QString FenstertypKurzname(int fenstertyp);

// The file name of the type picture, e.g. "fenster_zweiflOber.jpg"; empty for
// a code that is no window type.
QString FenstertypBilddatei(int fenstertyp);

} // namespace vitrano
