#pragma once

#include <QFont>

namespace orvalis::gui {

// The window fonts, each falling back to an installed Korean font where the
// named one is missing (the Windows fonts are rarely present elsewhere).
QFont CaptionFont();  // 휴먼편지체: frame and label captions
QFont ButtonFont();   // 휴먼매직체: buttons
QFont ListFont();     // 굴림: lists, folder boxes and the grid

}  // namespace orvalis::gui
