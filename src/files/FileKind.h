#pragma once

#include <QString>

namespace vitrano {

enum class TFileKind { LegacyProject, Comparison, Project };

// The lower-cased extension decides: ".ucw" and ".zelvik" are old binary
// projects, ".xwes" comparisons, anything else an XML project.
TFileKind FileKindOf(const QString& fileName);

} // namespace vitrano
