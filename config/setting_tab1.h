#pragma once
// `CSettingTab1`: the INFO page of the CONFIGURATION dialog, with the owner's name
// and the car number from the card's user.inf.

#include <QWidget>
#include <filesystem>

#include "config/owner_file.h"

class QLineEdit;

namespace motrevix::config {

class CSettingTab1 : public QWidget {
  Q_OBJECT

 public:
  explicit CSettingTab1(QWidget* parent = nullptr);

  // Puts the card's owner file into the edits (empty when it is missing).
  void Initialise(const std::filesystem::path& cardRoot);
  OwnerInfo Owner() const;

 private:
  QLineEdit* m_pName = nullptr;
  QLineEdit* m_pCarNumber = nullptr;
};

}  // namespace motrevix::config
