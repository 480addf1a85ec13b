#pragma once

#include <QIcon>

#include <array>

// The six 16 x 16 tool pictures, drawn here so the program carries them
// itself: pointer, label, edit box, button, radio button, check box.
std::array<QIcon, 6> toolIcons();
