#pragma once

#include <QFont>

namespace orvalis::gui {

// The window fonts, each falling back to an installed Korean font where the
// named one is missing (the Windows fonts are rarely present elsewhere).
QFont CaptionFont();  // 휴먼편지체: frame and label captions
QFont ButtonFont();   // 휴먼매직체: buttons
QFont ListFont();     // 굴림: lists and folder boxes
// The grids, full of numbers such as 0.3 and lists such as 1,2: a coding
// font one point larger, whose "." and "," cannot be taken for each other.
QFont GridFont();

}  // namespace orvalis::gui
