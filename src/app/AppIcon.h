// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QIcon>
#include <QPixmap>

namespace gw {

// The program's icon: a wireframe hill on a grid, drawn rather than loaded so the
// program needs no image plug-in.
QPixmap AppIconPixmap(int size);
QIcon AppIcon();

}  // namespace gw
