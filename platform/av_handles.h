#pragma once
// Owning handles for FFmpeg objects, so every context, frame and packet is freed
// on every path.

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/frame.h>
#include <libswresample/swresample.h>
#include <libswscale/swscale.h>
}

#include <memory>
#include <string>

namespace motrevix::av {

struct InputContextDeleter {
  void operator()(AVFormatContext* ctx) const { avformat_close_input(&ctx); }
};
struct OutputContextDeleter {
  void operator()(AVFormatContext* ctx) const;
};
struct CodecContextDeleter {
  void operator()(AVCodecContext* ctx) const { avcodec_free_context(&ctx); }
};
struct FrameDeleter {
  void operator()(AVFrame* frame) const { av_frame_free(&frame); }
};
struct PacketDeleter {
  void operator()(AVPacket* packet) const { av_packet_free(&packet); }
};
struct SwsDeleter {
  void operator()(SwsContext* ctx) const { sws_freeContext(ctx); }
};
struct SwrDeleter {
  void operator()(SwrContext* ctx) const { swr_free(&ctx); }
};

using InputContext = std::unique_ptr<AVFormatContext, InputContextDeleter>;
// An output context also owns its opened file (closed with the context).
using OutputContext = std::unique_ptr<AVFormatContext, OutputContextDeleter>;
using CodecContext = std::unique_ptr<AVCodecContext, CodecContextDeleter>;
using Frame = std::unique_ptr<AVFrame, FrameDeleter>;
using Packet = std::unique_ptr<AVPacket, PacketDeleter>;
using Sws = std::unique_ptr<SwsContext, SwsDeleter>;
using Swr = std::unique_ptr<SwrContext, SwrDeleter>;

inline Frame MakeFrame() { return Frame(av_frame_alloc()); }
inline Packet MakePacket() { return Packet(av_packet_alloc()); }

// Text for an FFmpeg error code, e.g. "No such file or directory".
std::string ErrorText(int code);

}  // namespace motrevix::av
