#include "repair/process_launcher.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>

namespace motrevix::repair {
namespace {

void Prepare(QProcess& process, const ProcessRequest& request) {
  process.setProgram(QString::fromStdString(request.program.string()));
  QStringList arguments;
  for (const auto& argument : request.arguments) arguments << QString::fromStdString(argument);
  process.setArguments(arguments);
  if (!request.workingFolder.empty())
    process.setWorkingDirectory(QString::fromStdString(request.workingFolder.string()));
  if (!request.searchPathFirst.empty()) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    QStringList path;
    for (const auto& folder : request.searchPathFirst)
      path << QString::fromStdString(folder.string());
    const QString inherited = environment.value("PATH", "/usr/local/bin:/usr/bin:/bin");
    environment.insert("PATH", path.join(':') + ':' + inherited);
    process.setProcessEnvironment(environment);
  }
  process.setStandardInputFile(QProcess::nullDevice());
}

}  // namespace

bool QtProcessLauncher::RunAndWait(const ProcessRequest& request) {
  QProcess process;
  Prepare(process, request);
  process.setProcessChannelMode(QProcess::ForwardedChannels);
  process.start();
  if (!process.waitForStarted(-1)) return false;
  process.waitForFinished(-1);
  return true;
}

bool QtProcessLauncher::StartDetached(const ProcessRequest& request) {
  QProcess process;
  Prepare(process, request);
  // A program left running must not die writing to a pipe its starter has closed.
  process.setStandardOutputFile(QProcess::nullDevice());
  process.setStandardErrorFile(QProcess::nullDevice());
  return process.startDetached();
}

}  // namespace motrevix::repair
