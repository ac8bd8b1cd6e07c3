#include "playback/text_track/telemetry_track_file.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <string_view>
#include <system_error>

extern "C" {
#include <libavutil/intreadwrite.h>
#include <libavutil/mathematics.h>
}

namespace motrevix {
namespace {

constexpr int kTimedTextHeaderBytes = 2;  // big-endian record length
constexpr int kChunkStampBytes = 4;       // little-endian time stamp in ms

bool IsMp4Family(const AVInputFormat* format) {
  return std::string_view(format->name).find("mp4") != std::string_view::npos;
}

bool IsAvi(const AVInputFormat* format) { return std::string_view(format->name) == "avi"; }

}  // namespace

bool TelemetryTrackFile::Open(const std::string& path) {
  input_.reset();
  trackIndex_ = -1;
  packet_ = av::MakePacket();
  if (!packet_) return false;
  // Only a regular file: opening a FIFO would wait for a writer, and a device such as
  // /dev/zero never ends.
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return false;

  AVFormatContext* raw = nullptr;
  if (avformat_open_input(&raw, path.c_str(), nullptr, nullptr) < 0) return false;
  av::InputContext input(raw);
  const bool mp4 = IsMp4Family(input->iformat);
  if (!mp4 && !IsAvi(input->iformat)) return false;

  // The stream headers already say what each stream is; no stream info is probed,
  // so opening does not read packets.
  for (unsigned i = 0; i < input->nb_streams; ++i) {
    const AVCodecParameters* par = input->streams[i]->codecpar;
    const bool isTrack =
        mp4 ? par->codec_type == AVMEDIA_TYPE_SUBTITLE && par->codec_id == AV_CODEC_ID_MOV_TEXT
            : par->codec_type == AVMEDIA_TYPE_DATA || par->codec_type == AVMEDIA_TYPE_UNKNOWN;
    if (isTrack && trackIndex_ < 0) trackIndex_ = static_cast<int>(i);
  }
  // Only the telemetry track is demuxed: the demuxers skip the pictures and sound.
  for (unsigned i = 0; i < input->nb_streams; ++i)
    input->streams[i]->discard =
        static_cast<int>(i) == trackIndex_ ? AVDISCARD_DEFAULT : AVDISCARD_ALL;

  layout_ = mp4 ? Layout::kTimedText : Layout::kStampedChunks;
  input_ = std::move(input);
  return true;
}

bool TelemetryTrackFile::ExtractRecord(const AVPacket& packet, const std::uint8_t** record,
                                       int* size, std::int32_t* timestampMs) const {
  if (layout_ == Layout::kTimedText) {
    if (packet.size < kTimedTextHeaderBytes) return false;
    // A sample whose length field claims more than it holds keeps what it holds.
    const int length = std::min<int>(AV_RB16(packet.data), packet.size - kTimedTextHeaderBytes);
    if (length == 0) return false;  // a filler between records
    const AVStream* stream = input_->streams[trackIndex_];
    const std::int64_t time = packet.pts != AV_NOPTS_VALUE ? packet.pts : packet.dts;
    if (time == AV_NOPTS_VALUE) return false;
    *record = packet.data + kTimedTextHeaderBytes;
    *size = length;
    *timestampMs = static_cast<std::int32_t>(av_rescale_q(time, stream->time_base, {1, 1000}));
    return true;
  }
  if (packet.size <= kChunkStampBytes) return false;
  *record = packet.data + kChunkStampBytes;
  *size = packet.size - kChunkStampBytes;
  *timestampMs = static_cast<std::int32_t>(AV_RL32(packet.data));
  return true;
}

int TelemetryTrackFile::ReadRecord(std::uint8_t* buffer, std::int32_t length,
                                   std::int32_t* timestampMs) {
  if (!input_ || trackIndex_ < 0) return kReadRecordEnd;
  if (buffer == nullptr || length <= 0 || timestampMs == nullptr) return kReadRecordBadArguments;

  for (;;) {
    av_packet_unref(packet_.get());
    if (av_read_frame(input_.get(), packet_.get()) < 0) return kReadRecordEnd;
    if (packet_->stream_index != trackIndex_) continue;
    const std::uint8_t* record = nullptr;
    int size = 0;
    std::int32_t time = 0;
    if (!ExtractRecord(*packet_, &record, &size, &time)) continue;
    const int copied = std::min(size, length);
    std::memcpy(buffer, record, static_cast<std::size_t>(copied));
    if (copied < length) buffer[copied] = 0;
    *timestampMs = time;
    av_packet_unref(packet_.get());
    return kReadRecordOk;
  }
}

}  // namespace motrevix
