#pragma once

class QCoreApplication;

namespace orvalis::gui {

// Installs Qt's own Korean catalogue (its dialogs' standard buttons, edit
// menus) from the folder the program's Qt reads translations from: Debian's
// on Linux, the translations folder qt.conf names beside orvalis.exe on
// Windows. False when it is not there; the program's own message boxes set
// their button texts themselves, so they read Korean all the same.
bool InstallQtKoreanCatalogue(QCoreApplication& app);

}  // namespace orvalis::gui
