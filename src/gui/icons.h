#pragma once

#include <QIcon>

namespace orvalis::gui {

// Icons drawn by the program itself, so no image files need to ship.
QIcon ProgramIcon();  // the launcher's picture button and the windows' icon
QIcon CaptureIcon();  // the main window's view-capture button

}  // namespace orvalis::gui
