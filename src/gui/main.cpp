#include <QApplication>
#include <QMessageBox>

#include "gui/launcher_window.h"
#include "mainwin/data_folder.h"
#include "mainwin/file_error.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ORVALIS"));
    try {
        orvalis::EnsureDataFolder();
    } catch (const orvalis::FileError& error) {
        QMessageBox::critical(nullptr, QStringLiteral("ORVALIS"),
                              QStringLiteral("데이터 폴더를 만들 수 없습니다.\n%1\n%2")
                                  .arg(QString::fromStdString(error.path()),
                                       QString::fromStdString(error.what())));
    }
    orvalis::gui::LauncherWindow launcher;
    launcher.show();
    return QApplication::exec();
}
