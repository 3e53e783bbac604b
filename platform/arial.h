// The windows' own face: Arial, or what fontconfig offers in its place.
#pragma once

#include <QFont>

namespace zefnaro {

QFont arialFont(double points, bool bold);

} // namespace zefnaro
