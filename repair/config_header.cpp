#include "repair/config_header.h"

#include <cstring>

namespace motrevix::repair {
namespace {

// Writes bits most significant first.
class BitWriter {
 public:
  void Put(std::uint32_t value, int bits) {
    for (int i = bits - 1; i >= 0; --i) PutBit((value >> i) & 1u);
  }
  void PutBytes(const std::uint8_t* data, std::size_t size) {
    for (std::size_t i = 0; i < size; ++i) Put(data[i], 8);
  }
  // MPEG-4 visual byte alignment: nothing when aligned, otherwise a 0 bit and then
  // 1 bits up to the byte boundary.
  void AlignWithStuffing() {
    if (used_ == 0) return;
    PutBit(0);
    while (used_ != 0) PutBit(1);
  }
  std::vector<std::uint8_t> Take() { return std::move(bytes_); }

 private:
  void PutBit(std::uint32_t bit) {
    if (used_ == 0) bytes_.push_back(0);
    if (bit) bytes_.back() |= static_cast<std::uint8_t>(0x80u >> used_);
    used_ = (used_ + 1) % 8;
  }

  std::vector<std::uint8_t> bytes_;
  int used_ = 0;
};

constexpr std::uint32_t kVisualObjectSequenceStart = 0x000001B0;
constexpr std::uint32_t kVisualObjectStart = 0x000001B5;
constexpr std::uint32_t kUserDataStart = 0x000001B2;
constexpr std::uint32_t kVideoObjectStart = 0x00000100;
constexpr std::uint32_t kVideoObjectLayerStart = 0x00000120;
constexpr std::size_t kUserDataSize = 32;
constexpr char kUserDataText[] = "Quorvane";

}  // namespace

std::vector<std::uint8_t> BuildConfigHeader(int width, int height) {
  BitWriter w;
  w.Put(kVisualObjectSequenceStart, 32);
  w.Put(3, 8);  // profile and level indication
  w.Put(kVisualObjectStart, 32);
  w.Put(1, 1);  // is visual object identifier
  w.Put(1, 4);  // visual object verid
  w.Put(1, 3);  // visual object priority
  w.Put(1, 4);  // visual object type: video
  w.Put(0, 1);  // video signal type
  w.AlignWithStuffing();

  w.Put(kUserDataStart, 32);
  std::uint8_t userData[kUserDataSize] = {};
  std::memcpy(userData, kUserDataText, sizeof(kUserDataText) - 1);
  w.PutBytes(userData, kUserDataSize);

  w.Put(kVideoObjectStart, 32);
  w.Put(kVideoObjectLayerStart, 32);
  w.Put(0, 1);      // random accessible VOL
  w.Put(1, 8);      // video object type indication: simple object
  w.Put(1, 1);      // is object layer identifier
  w.Put(1, 4);      // video object layer verid
  w.Put(1, 3);      // video object layer priority
  w.Put(1, 4);      // aspect ratio info: square pixels
  w.Put(0, 1);      // VOL control parameters
  w.Put(0, 2);      // VOL shape: rectangular
  w.Put(1, 1);      // marker
  w.Put(1000, 16);  // VOP time increment resolution
  w.Put(1, 1);      // marker
  w.Put(0, 1);      // fixed VOP rate
  w.Put(1, 1);      // marker
  w.Put(static_cast<std::uint32_t>(width), 13);
  w.Put(1, 1);  // marker
  w.Put(static_cast<std::uint32_t>(height), 13);
  w.Put(1, 1);  // marker
  w.Put(0, 1);  // interlaced
  w.Put(1, 1);  // OBMC disable
  w.Put(0, 1);  // sprite enable
  w.Put(0, 1);  // not 8 bit
  w.Put(0, 1);  // quant type
  w.Put(1, 1);  // complexity estimation disable
  w.Put(1, 1);  // resync marker disable
  w.Put(0, 1);  // data partitioned
  w.Put(0, 1);  // scalability
  w.AlignWithStuffing();
  return w.Take();
}

}  // namespace motrevix::repair
