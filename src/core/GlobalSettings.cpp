#include "core/GlobalSettings.h"

#include <QFile>
#include <filesystem>
#include <system_error>

namespace vitrano {

namespace {

std::filesystem::path ExecutableFolderPath() {
    std::error_code error;
    const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error && executable.has_parent_path()) {
        return executable.parent_path();
    }
    std::filesystem::path current = std::filesystem::current_path(error);
    return error ? std::filesystem::path(".") : current;
}

QString WithTrailingSlash(QString folder) {
    if (!folder.endsWith(u'/')) {
        folder.append(u'/');
    }
    return folder;
}

} // namespace

QString ExecutableFolder() {
    // Paths are bytes in the local 8-bit encoding; QFile knows how to turn them into text.
    return WithTrailingSlash(QFile::decodeName(ExecutableFolderPath().c_str()));
}

QString CurrentProgramVersion() {
    return QStringLiteral("5.516");
}

TGlobalSettings& GlobalSettings() {
    static TGlobalSettings settings;
    return settings;
}

void ResetGlobalSettings() {
    GlobalSettings() = TGlobalSettings();
}

void InitialiseStartupSettings(TGlobalSettings& settings) {
    settings.InAssistant = true;
    settings.InsertingWindow = false;
    settings.PictureFolder = settings.ProgramFolder + QStringLiteral("jpg/");
    settings.TemplateFolder = settings.ProgramFolder + QStringLiteral("vorlagen/");
}

QString UpdateFolderFor(const TGlobalSettings& settings) {
    return settings.ProgramFolder + QStringLiteral("update/");
}

} // namespace vitrano
