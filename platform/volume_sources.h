#pragma once
// The two kinds of volume: block devices of removable cards, and image files.

#include <filesystem>
#include <string>
#include <vector>

#include "platform/volume_discovery.h"
#include "platform/volume_types.h"

namespace motrevix {

// Opens a block device read-write and exclusively (O_EXCL): refused with Busy
// while it is mounted or held exclusively by another program.
VolumeOpenResult OpenBlockDeviceForWriting(const std::string& devicePath);

// Opens an existing regular file read-write as a volume.
VolumeOpenResult OpenImageFileForWriting(const std::string& imagePath);

// The volumes of removable devices that have a medium.
class RemovableDriveSource : public IVolumeSource {
 public:
  explicit RemovableDriveSource(SystemPaths paths = {}) : m_paths(std::move(paths)) {}
  std::vector<VolumeCandidate> FindCandidates() override;
  VolumeOpenResult OpenForWriting(const VolumeCandidate& candidate) override;

 private:
  SystemPaths m_paths;
};

// One block device named by the caller (already checked to be a removable
// volume): a candidate while it has a medium.
class SingleBlockDeviceSource : public IVolumeSource {
 public:
  explicit SingleBlockDeviceSource(std::string devicePath) : m_strPath(std::move(devicePath)) {}
  std::vector<VolumeCandidate> FindCandidates() override;
  VolumeOpenResult OpenForWriting(const VolumeCandidate& candidate) override;

 private:
  std::string m_strPath;
};

// Disk-image files named by the caller; each is a candidate while it exists and
// is not empty.
class ImageFileSource : public IVolumeSource {
 public:
  explicit ImageFileSource(std::vector<std::filesystem::path> images)
      : m_images(std::move(images)) {}
  std::vector<VolumeCandidate> FindCandidates() override;
  VolumeOpenResult OpenForWriting(const VolumeCandidate& candidate) override;

 private:
  std::vector<std::filesystem::path> m_images;
};

}  // namespace motrevix
