// The toolbar's button images, drawn at run time so the program needs no
// image files.
#pragma once

#include <QIcon>

namespace quillet {

// The image of command `id`; a command without its own image gets none.
QIcon commandIcon(int id);

// The program's window icon: the handheld tester.
QIcon applicationIcon();

}  // namespace quillet
