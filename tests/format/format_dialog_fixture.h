#pragma once
// The format dialog on Qt's offscreen platform over image files standing in for
// cards, with a source that can make a card look mounted, refuse the direct open
// for lack of permission, or call back while the format writes.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <functional>
#include <memory>

#include "format/fat32_formatter_dlg.h"
#include "platform/user_prompt.h"
#include "platform/volume_sources.h"
#include "tests/format/format_test_helpers.h"
#include "tests/support/recording_prompt.h"

namespace motrevix::test {

struct CardBehaviour {
  std::string mountPoint;         // the card looks mounted here
  int directOpenError = 0;        // the direct open fails with this errno
  std::function<void()> onWrite;  // called at the format's first write
};

// Image files as cards, behaving as told.
class CardImageSource : public IVolumeSource {
 public:
  CardImageSource(std::vector<std::filesystem::path> images, CardBehaviour behaviour)
      : m_inner(std::move(images)), m_behaviour(std::move(behaviour)) {}
  std::vector<VolumeCandidate> FindCandidates() override;
  VolumeOpenResult OpenForWriting(const VolumeCandidate& candidate) override;

 private:
  ImageFileSource m_inner;
  CardBehaviour m_behaviour;
};

class FormatDialogTest : public ::testing::Test {
 protected:
  void Open(std::unique_ptr<IVolumeSource> source, IDiskService* service = nullptr);
  void OpenOnImages(std::vector<std::filesystem::path> images, CardBehaviour behaviour = {},
                    IDiskService* service = nullptr);

  template <typename T>
  T* Control(const char* id) {
    T* control = dialog_->findChild<T*>(id);
    EXPECT_NE(control, nullptr) << id;
    return control;
  }
  QComboBox* Drives() { return Control<QComboBox>("1213"); }
  QString Status() { return Control<QLabel>("1215")->text(); }
  QString Label() { return Control<QLineEdit>("1096")->text(); }
  int Progress() { return Control<QProgressBar>("1216")->value(); }
  bool Enabled(const char* id) { return Control<QWidget>(id)->isEnabled(); }
  void Select(int index) { Drives()->setCurrentIndex(index); }
  void ClickFormat() { Control<QAbstractButton>("1217")->click(); }
  std::vector<std::string> Messages() const;
  std::vector<MessageIcon> Icons() const;

  RecordingPrompt prompt_;
  std::unique_ptr<format::CFAT32FormatterDlg> dialog_;
};

// fsck.fat's complaints about a formatted image, leaving out the one the layout
// prescribes (the boot sector's label is zero-padded, the root entry's is not).
std::vector<std::string> FsckComplaints(const std::filesystem::path& image,
                                        const std::string& label);

}  // namespace motrevix::test
