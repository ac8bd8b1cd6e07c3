#include "tests/format/format_dialog_fixture.h"

#include <sstream>

#include "tests/support/test_support.h"

namespace motrevix::test {
namespace {

// Calls back once, at the first write.
class WatchedVolume : public IRawVolume {
 public:
  WatchedVolume(std::unique_ptr<IRawVolume> inner, std::function<void()> onWrite)
      : m_inner(std::move(inner)), m_onWrite(std::move(onWrite)) {}
  std::uint64_t LengthBytes() override { return m_inner->LengthBytes(); }
  bool Lock(std::string& reason) override { return m_inner->Lock(reason); }
  bool WriteSectors(std::uint64_t first, const std::uint8_t* data, std::size_t count,
                    std::string& reason) override {
    if (m_onWrite) std::exchange(m_onWrite, nullptr)();
    return m_inner->WriteSectors(first, data, count, reason);
  }
  bool Unlock(std::string& reason) override { return m_inner->Unlock(reason); }

 private:
  std::unique_ptr<IRawVolume> m_inner;
  std::function<void()> m_onWrite;
};

}  // namespace

std::vector<VolumeCandidate> CardImageSource::FindCandidates() {
  auto candidates = m_inner.FindCandidates();
  if (!m_behaviour.mountPoint.empty())
    for (auto& candidate : candidates) candidate.mountPoints = {m_behaviour.mountPoint};
  return candidates;
}

VolumeOpenResult CardImageSource::OpenForWriting(const VolumeCandidate& candidate) {
  if (m_behaviour.directOpenError != 0) {
    VolumeOpenResult refused;
    refused.error = m_behaviour.directOpenError;
    refused.reason = "opening " + candidate.name + " was refused";
    return refused;
  }
  VolumeOpenResult opened = m_inner.OpenForWriting(candidate);
  if (opened.volume && m_behaviour.onWrite)
    opened.volume = std::make_unique<WatchedVolume>(std::move(opened.volume), m_behaviour.onWrite);
  return opened;
}

void FormatDialogTest::Open(std::unique_ptr<IVolumeSource> source, IDiskService* service) {
  dialog_ = std::make_unique<format::CFAT32FormatterDlg>(prompt_, std::move(source), service);
  dialog_->show();
}

void FormatDialogTest::OpenOnImages(std::vector<std::filesystem::path> images,
                                    CardBehaviour behaviour, IDiskService* service) {
  Open(std::make_unique<CardImageSource>(std::move(images), std::move(behaviour)), service);
}

std::vector<std::string> FormatDialogTest::Messages() const {
  std::vector<std::string> texts;
  for (const auto& message : prompt_.messages) texts.push_back(message.text);
  return texts;
}

std::vector<MessageIcon> FormatDialogTest::Icons() const {
  std::vector<MessageIcon> icons;
  for (const auto& message : prompt_.messages) icons.push_back(message.icon);
  return icons;
}

std::vector<std::string> FsckComplaints(const std::filesystem::path& image,
                                        const std::string& label) {
  const ProcessResult fsck = Run("fsck.fat", {"-n", image.string()});
  std::vector<std::string> complaints;
  std::istringstream lines(fsck.out + fsck.err);
  const std::string padding = "Volume label '" + label + "' stored in root directory and label '" +
                              label + "' stored in boot sector and different.";
  for (std::string line; std::getline(lines, line);) {
    if (line.empty() || line.rfind("fsck.fat ", 0) == 0 ||
        line == "Leaving filesystem unchanged." || line == padding ||
        line == "  Auto-copying volume label from root directory to boot sector." ||
        line.rfind(image.string() + ": 1 files, 1/", 0) == 0)
      continue;
    complaints.push_back(line);
  }
  if (fsck.exitCode < 0 || fsck.exitCode > 1)
    complaints.push_back("exit code " + std::to_string(fsck.exitCode));
  return complaints;
}

}  // namespace motrevix::test
