#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QStringList>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <new>

#include "data_files/data_folder.h"
#include "gui/gui_forms.h"
#include "gui/icons.h"
#include "gui/qt_catalogue.h"
#include "host/host_error.h"
#include "host/replay_script.h"
#include "host/session.h"
#include "host/system_backends.h"
#include "host/unreachable_backend.h"
#include "platform/file_error.h"
#include "platform/native_path.h"
#include "sim/sim_backend.h"
#include "window_models/forms.h"
#include "window_models/launcher_model.h"

namespace {

void Warn(const QString& text) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("ORVALIS"), text, QMessageBox::Ok);
    box.button(QMessageBox::Ok)->setText(QStringLiteral("확인"));
    box.exec();
}

// The host chosen by ORVALIS_HOST; one that cannot start still lets the
// windows open, each saying the host is not connected.
std::unique_ptr<orvalis::host::HostBackend> ChosenHost() {
    std::string choice = orvalis::host::DefaultHostChoice();
    try {
        return orvalis::host::MakeBackend(choice);
    } catch (const orvalis::host::HostError& error) {
        return std::make_unique<orvalis::host::UnreachableBackend>(error.what());
    } catch (const orvalis::host::ReplayScriptError& error) {
        return std::make_unique<orvalis::host::UnreachableBackend>(
            "호스트 스크립트를 읽지 못했습니다: " + std::string(error.what()));
    } catch (const orvalis::FileError& error) {
        return std::make_unique<orvalis::host::UnreachableBackend>(
            "호스트 파일을 읽지 못했습니다: " + error.path() + ": " + error.what());
    }
}

std::unique_ptr<orvalis::host::Transcript> ChosenTranscript() {
    auto path = orvalis::EnvironmentText("ORVALIS_TRANSCRIPT");  // UTF-16 on Windows
    if (!path) return nullptr;
    try {
        return std::make_unique<orvalis::host::Transcript>(*path);
    } catch (const orvalis::FileError& error) {
        Warn(QStringLiteral("기록 파일을 열 수 없습니다: %1")
                 .arg(QString::fromStdString(error.path())));
        return nullptr;
    }
}

// Says in Korean why the program must stop, instead of the abort an escaped
// exception would end in.
void Fatal(const QString& why) {
    QMessageBox::critical(nullptr, QStringLiteral("ORVALIS"),
                          QStringLiteral("%1\n프로그램을 닫습니다.").arg(why));
}

QString FatalText(const std::exception& error) {
    if (dynamic_cast<const std::bad_alloc*>(&error)) {
        return QStringLiteral("메모리가 모자라 작업을 끝내지 못했습니다.");
    }
    return QStringLiteral("예기치 못한 오류로 작업을 끝내지 못했습니다 (%1).")
        .arg(QString::fromStdString(error.what()));
}

// An exception that escapes a window's handler reaches the event loop here;
// the user is told and the program ends with status 1.
class GuardedApplication : public QApplication {
  public:
    using QApplication::QApplication;
    bool notify(QObject* receiver, QEvent* event) override {
        try {
            return QApplication::notify(receiver, event);
        } catch (const std::exception& error) {
            Fatal(FatalText(error));
        }
        QApplication::exit(1);
        return false;
    }
};

int Run(int argc, char** argv) {
    orvalis::sim::RegisterSimBackend();
    orvalis::host::RegisterSystemBackends();
    GuardedApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ORVALIS"));
    QApplication::setWindowIcon(orvalis::gui::ProgramIcon());
    orvalis::gui::InstallQtKoreanCatalogue(app);
    try {
        QStringList warnings;
        for (const std::string& warning : orvalis::EnsureDataFolder()) {
            warnings << QString::fromStdString(warning);
        }
        if (!warnings.isEmpty()) Warn(warnings.join(QStringLiteral("\n\n")));
    } catch (const orvalis::FileError& error) {
        Warn(QStringLiteral("데이터 폴더를 만들 수 없습니다.\n%1\n%2")
                 .arg(QString::fromStdString(error.path()), QString::fromStdString(error.what())));
    }
    auto session = std::make_shared<orvalis::host::HostSession>(ChosenHost(), ChosenTranscript());
    orvalis::gui::GuiForms gui;
    orvalis::forms::Forms forms(session, gui);
    gui.Attach(forms);
    forms.launcher().Show();
    return QApplication::exec();
}

}  // namespace

int main(int argc, char** argv) {
    try {
        return Run(argc, argv);
    } catch (const std::exception& error) {
        // The application may be gone: stderr is all that is sure to work.
        std::fprintf(stderr, "orvalis: %s\n", FatalText(error).toLocal8Bit().constData());
    }
    return 1;
}
