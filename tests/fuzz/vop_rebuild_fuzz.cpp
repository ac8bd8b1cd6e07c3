// The MPEG-4 repair's two passes on a hostile damaged file: carving the chunks
// that start with 00 00 01 B6, then rebuilding the decodable part of each.
// Property: the carved stream is made of whole chunks of the input, start code first.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sstream>

#include "repair/video_stream_rebuild.h"
#include "repair/vop_chunks.h"
#include "tests/fuzz/fuzz_check.h"

namespace {

struct MemoryStream {
  char* bytes = nullptr;
  std::size_t size = 0;
  ~MemoryStream() { std::free(bytes); }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  std::FILE* in = fmemopen(const_cast<std::uint8_t*>(data), size, "rb");
  if (in == nullptr) return 0;
  MemoryStream carved;
  std::FILE* carvedOut = open_memstream(&carved.bytes, &carved.size);
  const std::size_t written = motrevix::repair::ExtractVopChunks(in, carvedOut);
  std::fclose(carvedOut);
  std::fclose(in);
  MOTREVIX_FUZZ_CHECK(written == carved.size);
  MOTREVIX_FUZZ_CHECK(written <= size);
  if (written == 0) return 0;
  MOTREVIX_FUZZ_CHECK(written >= 4 && std::memcmp(carved.bytes, "\0\0\1\xB6", 4) == 0);

  std::FILE* chunks = fmemopen(carved.bytes, carved.size, "rb");
  MemoryStream rebuilt;
  std::FILE* rebuiltOut = open_memstream(&rebuilt.bytes, &rebuilt.size);
  std::ostringstream log;
  motrevix::repair::RebuildVideoStream(chunks, rebuiltOut, 160, 120, log);
  std::fclose(rebuiltOut);
  std::fclose(chunks);
  return 0;
}
