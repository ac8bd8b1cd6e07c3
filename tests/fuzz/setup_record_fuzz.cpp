// The settings record as a card may hold it, of any size: read from a file, shown
// as the page's fields and saved again. Properties: a saved record carries its own
// CRC, and loading what was saved shows the same fields.
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <string>

#include "config/camera_files.h"
#include "config/setup_fields.h"
#include "config/setup_record.h"
#include "tests/fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace motrevix::config;
  const int fd = memfd_create("rdsetup.cfg", MFD_CLOEXEC);
  if (fd < 0) return 0;
  if (size > 0 && ::write(fd, data, size) != static_cast<ssize_t>(size)) {
    ::close(fd);
    return 0;
  }
  CSetupRecord record;
  const RecordReadResult read = ReadSetupRecord("/proc/self/fd/" + std::to_string(fd), record);
  ::close(fd);
  MOTREVIX_FUZZ_CHECK(read.ok);
  MOTREVIX_FUZZ_CHECK(read.bytesRead == std::min(size, CSetupRecord::kSize));

  const SetupFields shown = FieldsFromRecord(record);
  const CSetupRecord saved = RecordToSave(record, shown);
  MOTREVIX_FUZZ_CHECK(saved.StoredCrc() == saved.ComputedCrc());
  MOTREVIX_FUZZ_CHECK(FieldsFromRecord(saved) == shown);
  return 0;
}
