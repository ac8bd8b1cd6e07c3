#include "repair/recovery_dialog.h"

#include <QFile>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <cmath>
#include <iostream>

#include "repair/h264_repair.h"
#include "repair/mp4v_repair.h"
#include "repair/repair_program.h"

namespace motrevix::repair {
namespace {

// Dialog units of an 8-point dialog font to pixels.
QRect DialogRect(int x, int y, int w, int h) {
  auto px = [](double units, double base) { return static_cast<int>(std::lround(units * base)); };
  return {px(x, 1.5), px(y, 1.625), px(w, 1.5), px(h, 1.625)};
}

template <typename Control>
Control* Place(QWidget* parent, const char* id, const QString& caption, QRect rect) {
  auto* control = new Control(caption, parent);
  if (id != nullptr) control->setObjectName(id);
  control->setGeometry(rect);
  return control;
}

std::filesystem::path NarrowPath(const QString& path) {
  return std::filesystem::path(QFile::encodeName(path).toStdString());
}

}  // namespace

CRecovery::CRecovery(IUserPrompt& prompt, IProcessLauncher& launcher, RepairLocations locations,
                     QWidget* parent)
    : QDialog(parent), m_prompt(prompt), m_launcher(launcher), m_locations(std::move(locations)) {
  setObjectName("228");
  setWindowTitle(QString::fromUtf8("영상 복원"));
  setModal(false);
  const QRect size = DialogRect(0, 0, 261, 90);
  resize(size.width(), size.height());
  BuildControls();
}

void CRecovery::BuildControls() {
  // Group boxes first, so that the controls drawn over them stay on top.
  Place<QGroupBox>(this, nullptr, "Method 1", DialogRect(5, 7, 63, 35));
  Place<QGroupBox>(this, nullptr, "Method 2", DialogRect(70, 7, 184, 35));
  Place<QGroupBox>(this, nullptr, "Method 3", DialogRect(0, 45, 254, 38));
  auto* mp4v = Place<QRadioButton>(this, "1139", "MP4V", DialogRect(20, 21, 33, 10));
  auto* h264 = Place<QRadioButton>(this, "1140", "H.264", DialogRect(80, 22, 35, 8));
  auto* open = Place<QPushButton>(this, "1120", "open", DialogRect(125, 15, 62, 14));
  auto* recovery = Place<QPushButton>(this, "1141", "Recovery ", DialogRect(189, 15, 62, 14));
  auto* program = Place<QPushButton>(this, "1143", "Recovery", DialogRect(189, 60, 62, 14));
  for (auto* button : {open, recovery, program}) button->setAutoDefault(false);

  connect(mp4v, &QRadioButton::clicked, this, [this] {
    m_nMethod = Method::Mp4v;
    m_bReady = true;
  });
  connect(h264, &QRadioButton::clicked, this, [this] {
    m_nMethod = Method::H264;
    m_bReady = true;
  });
  connect(open, &QPushButton::clicked, this, &CRecovery::OnOpen);
  connect(recovery, &QPushButton::clicked, this, &CRecovery::OnRecovery);
  connect(program, &QPushButton::clicked, this, &CRecovery::OnRepairProgram);
}

void CRecovery::OnOpen() {
  const std::string chosen = m_prompt.ChooseOpenFile("Open", "");
  if (!chosen.empty()) m_strInputPath = QString::fromStdString(chosen);
  // Ready even when the chooser was cancelled.
  m_bReady = true;
}

void CRecovery::OnRecovery() {
  if (!m_bReady) {
    m_prompt.ShowMessage("Select File!!!", kRepairCaption);
    return;
  }
  if (m_nMethod == Method::Mp4v) RunMp4v();
  if (m_nMethod == Method::H264) RunH264();
}

void CRecovery::RunMp4v() {
  const std::filesystem::path input = NarrowPath(m_strInputPath);
  RunMp4vRepair({input, RepairWorkingFolder(input), m_locations.Esmux()}, m_prompt, m_launcher,
                std::cout);
  std::cout.flush();
  hide();
  m_prompt.ShowMessage("Recovery VGA!!!", kRepairCaption);
}

void CRecovery::RunH264() {
  const std::filesystem::path input = NarrowPath(m_strInputPath);
  if (!StartH264Repair({input, RepairWorkingFolder(input), m_locations}, m_prompt, m_launcher))
    return;
  hide();
  // The started command removes the script and the ffmpeg copy once ffmpeg is done.
  m_prompt.ShowMessage("Recovery H.264_1!!!", kRepairCaption);
}

void CRecovery::OnRepairProgram() {
  if (StartRepairProgram(m_locations, m_prompt, m_launcher)) hide();
}

}  // namespace motrevix::repair
