#include "repair/vop_chunks.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <vector>

namespace motrevix::repair {
namespace {

using Bytes = std::vector<std::uint8_t>;

struct Closer {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, Closer>;

File FileWith(const Bytes& bytes) {
  File file(std::tmpfile());
  // An empty vector's data() may be null, which fwrite must not be given.
  if (!bytes.empty()) std::fwrite(bytes.data(), 1, bytes.size(), file.get());
  std::rewind(file.get());
  return file;
}

Bytes Contents(std::FILE* file) {
  std::rewind(file);
  Bytes bytes;
  for (int c; (c = std::fgetc(file)) != EOF;) bytes.push_back(static_cast<std::uint8_t>(c));
  return bytes;
}

const Bytes kStart = {0x00, 0x00, 0x01, 0xB6};

Bytes Cat(std::initializer_list<Bytes> parts) {
  Bytes all;
  for (const auto& p : parts) all.insert(all.end(), p.begin(), p.end());
  return all;
}

TEST(VopChunks, CarvesChunksFromHandMadeBytes) {
  const Bytes a = Cat({kStart, {0x11, 0x22, 0x00, 0x00, 0x01}});
  const Bytes b = Cat({kStart, {0x33}});
  const struct {
    const char* name;
    Bytes input;
    std::vector<Bytes> chunks;
  } cases[] = {
      {"empty file", {}, {}},
      {"no start code", {0x00, 0x00, 0x01, 0xB3, 0x00, 0x01, 0xB6, 0xFF}, {}},
      {"one chunk after junk", Cat({{0x52, 0x49, 0x00, 0x00}, a}), {a}},
      {"two chunks", Cat({a, b}), {a, b}},
      {"start code after extra zeros", Cat({{0x00, 0x00}, a, {0x00}, b}), {Cat({a, {0x00}}), b}},
      {"start code alone at the end", Cat({a, kStart}), {a, kStart}},
  };
  for (const auto& c : cases) {
    File in = FileWith(c.input);
    std::vector<Bytes> found;
    Bytes chunk;
    while (FindNextVopChunk(in.get(), kCarveBufferSize, chunk) == ChunkResult::Found)
      found.push_back(chunk);
    EXPECT_EQ(found, c.chunks) << c.name;
  }
}

// A chunk that does not fit the buffer ends the carving; what came before stays.
TEST(VopChunks, ChunkPastTheBufferEndsExtraction) {
  const Bytes first = Cat({kStart, {0x01, 0x02, 0x03}});
  Bytes huge = kStart;
  huge.resize(kCarveBufferSize + 10, 0x55);
  const Bytes after = Cat({kStart, {0x09}});
  File in = FileWith(Cat({first, huge, after}));
  File out(std::tmpfile());
  EXPECT_EQ(ExtractVopChunks(in.get(), out.get()), first.size());
  EXPECT_EQ(Contents(out.get()), first);
}

TEST(VopChunks, BufferBoundary) {
  const std::size_t capacity = 16;
  Bytes fits = kStart;
  fits.resize(capacity, 0x55);
  {
    // A chunk exactly the buffer's size at the end of the file.
    File in = FileWith(fits);
    Bytes chunk;
    EXPECT_EQ(FindNextVopChunk(in.get(), capacity, chunk), ChunkResult::Found);
    EXPECT_EQ(chunk, fits);
  }
  {
    // The same chunk followed by a start code: the start code's bytes do not fit.
    File in = FileWith(Cat({fits, kStart}));
    Bytes chunk;
    EXPECT_EQ(FindNextVopChunk(in.get(), capacity, chunk), ChunkResult::Overflowed);
  }
  {
    Bytes longer = fits;
    longer.push_back(0x66);
    File in = FileWith(longer);
    Bytes chunk;
    EXPECT_EQ(FindNextVopChunk(in.get(), capacity, chunk), ChunkResult::Overflowed);
  }
}

}  // namespace
}  // namespace motrevix::repair
