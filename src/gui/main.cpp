#include <QApplication>
#include <QMessageBox>

#include "forms/forms.h"
#include "gui/gui_forms.h"
#include "gui/icons.h"
#include "host/host_error.h"
#include "host/replay_script.h"
#include "host/session.h"
#include "host/unreachable_backend.h"
#include "launcher/launcher_model.h"
#include "platform/data_folder.h"
#include "platform/file_error.h"
#include "platform/native_path.h"
#include "sim/sim_backend.h"

namespace {

void Warn(const QString& text) {
    QMessageBox::warning(nullptr, QStringLiteral("ORVALIS"), text);
}

// The host chosen by ORVALIS_HOST; one that cannot start still lets the
// windows open, each saying the host is not connected.
std::unique_ptr<orvalis::host::HostBackend> ChosenHost() {
    std::string spec = orvalis::host::DefaultHostSpec();
    try {
        return orvalis::host::MakeBackend(spec);
    } catch (const orvalis::host::HostError& error) {
        return std::make_unique<orvalis::host::UnreachableBackend>(error.what());
    } catch (const orvalis::host::ReplayScriptError& error) {
        return std::make_unique<orvalis::host::UnreachableBackend>(error.what());
    } catch (const orvalis::FileError& error) {
        return std::make_unique<orvalis::host::UnreachableBackend>(error.path() + ": " +
                                                                   error.what());
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

}  // namespace

int main(int argc, char** argv) {
    orvalis::sim::RegisterSimBackend();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ORVALIS"));
    QApplication::setWindowIcon(orvalis::gui::ProgramIcon());
    try {
        orvalis::EnsureDataFolder();
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
