#pragma once
// `CRecovery`: the small window with the three ways to salvage a damaged recording.
// It keeps the chosen method, the ready flag and the chosen file for its whole life;
// after a repair it is hidden, not destroyed.

#include <QDialog>
#include <QString>

#include "platform/user_prompt.h"
#include "repair/process_launcher.h"
#include "repair/repair_locations.h"

namespace motrevix::repair {

class CRecovery : public QDialog {
  Q_OBJECT

 public:
  enum class Method { None, Mp4v, H264 };

  CRecovery(IUserPrompt& prompt, IProcessLauncher& launcher, RepairLocations locations,
            QWidget* parent = nullptr);

  Method ChosenMethod() const { return m_nMethod; }
  bool IsReady() const { return m_bReady; }
  const QString& InputPath() const { return m_strInputPath; }

 private:
  void BuildControls();
  void OnOpen();           // 1120
  void OnRecovery();       // 1141
  void OnRepairProgram();  // 1143
  void RunMp4v();
  void RunH264();

  IUserPrompt& m_prompt;
  IProcessLauncher& m_launcher;
  RepairLocations m_locations;
  Method m_nMethod = Method::None;
  bool m_bReady = false;
  QString m_strInputPath;
};

}  // namespace motrevix::repair
