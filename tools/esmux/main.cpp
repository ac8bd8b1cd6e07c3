// esmux STREAM WIDTH HEIGHT FRAME_MS: wraps an MPEG-4 visual elementary stream into
// a .3gp file named after STREAM, in the current folder, one picture every FRAME_MS
// milliseconds.
extern "C" {
#include <libavformat/avformat.h>
#include <libavutil/mem.h>
}

#include <charconv>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/av_handles.h"
#include "tools/esmux/elementary_stream.h"

namespace {

namespace fs = std::filesystem;
using motrevix::esmux::ElementaryStream;

constexpr int kMaxDimension = 8191;  // 13 bits in the video object layer
constexpr int kMaxFrameMs = 60'000;

bool ParseNumber(const char* text, int low, int high, int& value) {
  const char* end = text + std::strlen(text);
  const auto [ptr, ec] = std::from_chars(text, end, value);
  return ec == std::errc() && ptr == end && value >= low && value <= high;
}

bool Fail(std::string& error, const std::string& what, int code = 0) {
  error = code == 0 ? what : what + ": " + motrevix::av::ErrorText(code);
  return false;
}

bool WriteWrapped(const ElementaryStream& stream, const fs::path& outPath, int width, int height,
                  int frameMs, std::string& error) {
  AVFormatContext* raw = nullptr;
  int ret = avformat_alloc_output_context2(&raw, nullptr, "3gp", outPath.c_str());
  motrevix::av::OutputContext out(raw);
  if (ret < 0) return Fail(error, "cannot set up the 3gp muxer", ret);

  AVStream* video = avformat_new_stream(out.get(), nullptr);
  if (video == nullptr) return Fail(error, "out of memory");
  AVCodecParameters* par = video->codecpar;
  par->codec_type = AVMEDIA_TYPE_VIDEO;
  par->codec_id = AV_CODEC_ID_MPEG4;
  par->width = width;
  par->height = height;
  par->format = AV_PIX_FMT_YUV420P;
  par->extradata =
      static_cast<std::uint8_t*>(av_mallocz(stream.config.size() + AV_INPUT_BUFFER_PADDING_SIZE));
  if (par->extradata == nullptr) return Fail(error, "out of memory");
  std::memcpy(par->extradata, stream.config.data(), stream.config.size());
  par->extradata_size = static_cast<int>(stream.config.size());
  video->time_base = {1, 1000};
  video->avg_frame_rate = av_d2q(1000.0 / frameMs, 1000);

  ret = avio_open(&out->pb, outPath.c_str(), AVIO_FLAG_WRITE);
  if (ret < 0) return Fail(error, "cannot create " + outPath.string(), ret);
  ret = avformat_write_header(out.get(), nullptr);
  if (ret < 0) return Fail(error, "cannot write the header", ret);

  motrevix::av::Packet packet = motrevix::av::MakePacket();
  std::int64_t time = 0;
  for (const auto& plane : stream.planes) {
    ret = av_new_packet(packet.get(), static_cast<int>(plane.bytes.size()));
    if (ret < 0) return Fail(error, "out of memory", ret);
    std::memcpy(packet->data, plane.bytes.data(), plane.bytes.size());
    packet->stream_index = video->index;
    packet->pts = packet->dts = av_rescale_q(time, {1, 1000}, video->time_base);
    packet->duration = av_rescale_q(frameMs, {1, 1000}, video->time_base);
    if (plane.intra) packet->flags |= AV_PKT_FLAG_KEY;
    ret = av_write_frame(out.get(), packet.get());
    av_packet_unref(packet.get());
    if (ret < 0) return Fail(error, "cannot write a picture", ret);
    time += frameMs;
  }
  ret = av_write_trailer(out.get());
  if (ret < 0) return Fail(error, "cannot finish the file", ret);
  return true;
}

}  // namespace

int main(int argc, char* argv[]) {
  av_log_set_level(AV_LOG_ERROR);
  int width = 0, height = 0, frameMs = 0;
  if (argc != 5 || !ParseNumber(argv[2], 1, kMaxDimension, width) ||
      !ParseNumber(argv[3], 1, kMaxDimension, height) ||
      !ParseNumber(argv[4], 1, kMaxFrameMs, frameMs)) {
    std::cerr << "Usage: esmux STREAM WIDTH HEIGHT FRAME_MS\n"
                 "Wraps an MPEG-4 visual elementary stream into STREAM's name with .3gp,\n"
                 "in the current folder, one picture every FRAME_MS milliseconds.\n";
    return 2;
  }
  const fs::path inPath = argv[1];
  std::ifstream in(inPath, std::ios::binary);
  if (!in) {
    std::cerr << "esmux: cannot open " << inPath.string() << "\n";
    return 1;
  }
  const std::vector<std::uint8_t> data{std::istreambuf_iterator<char>(in), {}};
  ElementaryStream stream;
  std::string error;
  if (!motrevix::esmux::SplitElementaryStream(data, stream, error)) {
    std::cerr << "esmux: " << inPath.string() << ": " << error << "\n";
    return 1;
  }
  const fs::path outPath = fs::current_path() / inPath.filename().replace_extension(".3gp");
  std::error_code sameError;
  if (fs::equivalent(inPath, outPath, sameError)) {
    std::cerr << "esmux: the output " << outPath.string()
              << " would replace the input; run it from another folder or rename the input\n";
    return 1;
  }
  if (!WriteWrapped(stream, outPath, width, height, frameMs, error)) {
    std::error_code ignored;
    fs::remove(outPath, ignored);
    std::cerr << "esmux: " << error << "\n";
    return 1;
  }
  return 0;
}
