#include "update/DeviceUpdate.h"

#include "app/AppState.h"
#include "common/Ports.h"
#include "common/ProgramLauncher.h"
#include "common/Prompts.h"
#include "update/UpdaterFile.h"

#include <QCoreApplication>
#include <QFileInfo>

void UpdateResult::show(Prompts &prompts) const
{
    switch (box) {
    case Box::None: break;
    case Box::Warning: prompts.warning(message); break;
    case Box::Error: prompts.error(message); break;
    case Box::GeneralError: prompts.generalError(message); break;
    }
}

UpdateResult checkFailure(const AppState &state, const DeviceCheck &check)
{
    using Box = UpdateResult::Box;
    const auto notChecked = UpdateResult::Step::DeviceNotChecked;
    switch (check.result()) {
    case DeviceCheck::Result::Silent: return {notChecked, Box::Warning, state.tr(1236)};
    case DeviceCheck::Result::PingNotAllowed:
        return {notChecked, Box::Error,
                state.tr(1240).arg(QCoreApplication::applicationName(), QCoreApplication::applicationFilePath())};
    case DeviceCheck::Result::PingFailed: return {notChecked, Box::Error, check.detail()};
    case DeviceCheck::Result::Stopped:
    case DeviceCheck::Result::Answered: return {notChecked, Box::None, QString()};
    case DeviceCheck::Result::UnusableAddress: break;
    }
    return {notChecked, Box::Error, state.tr(1237)};
}

UpdateResult runDeviceUpdate(AppState &state, Ports &ports, DeviceCheck &check, const UpdateRequest &request)
{
    using Step = UpdateResult::Step;
    using Box = UpdateResult::Box;
    if (!check.Send_Ping(request.IP_Address))
        return checkFailure(state, check);

    state.Last_IP_Address = request.IP_Address;
    state.Update_Option_Index = request.optionIndex;
    state.Update_Read_Back = request.readBack;

    QString error;
    if (!Compile_XML_Parameter_New_Boot(state, request.IP_Address, request.optionIndex, request.readBack, &error))
        return {Step::ParameterFileNotWritten, Box::GeneralError, error};

    const QString updater = updaterProgramPath(state.Exe_Folder);
    switch (ports.launcher.Start_Program(updater, QString(), false)) {
    case ProgramLauncher::Outcome::Ended: return {Step::UpdaterEnded, Box::None, QString()};
    case ProgramLauncher::Outcome::StillRunning: return {Step::UpdaterStillRunning, Box::None, QString()};
    case ProgramLauncher::Outcome::NotStarted: break;
    }
    // The path goes on a line of its own; a language entry holds a single line.
    const QString message = state.tr(QFileInfo::exists(updater) ? 1239 : 1238) + QLatin1Char('\n') + updater;
    return {Step::UpdaterNotStarted, Box::Error, message};
}
