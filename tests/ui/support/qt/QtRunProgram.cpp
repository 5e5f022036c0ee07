// SPDX-License-Identifier: MIT
#include "DialogTest.h"

#include <QProcess>

namespace glyphsmith::test {

namespace {

constexpr int kProgramTimeoutMs = 60000;

} // namespace

int RunProgram(const std::filesystem::path& program, const std::vector<std::string>& arguments,
               const std::filesystem::path& directory) {
    QStringList qtArguments;
    for (const std::string& argument : arguments) {
        qtArguments << QString::fromStdString(argument);
    }
    QProcess process;
    process.setWorkingDirectory(QString::fromStdString(directory.string()));
    process.start(QString::fromStdString(program.string()), qtArguments);
    if (!process.waitForFinished(kProgramTimeoutMs) ||
        process.exitStatus() != QProcess::NormalExit) {
        return -1;
    }
    return process.exitCode();
}

} // namespace glyphsmith::test
