#include "platform/av_handles.h"

namespace motrevix::av {

void OutputContextDeleter::operator()(AVFormatContext* ctx) const {
  if (ctx == nullptr) return;
  if (ctx->oformat != nullptr && !(ctx->oformat->flags & AVFMT_NOFILE) && ctx->pb != nullptr)
    avio_closep(&ctx->pb);
  avformat_free_context(ctx);
}

std::string ErrorText(int code) {
  char text[AV_ERROR_MAX_STRING_SIZE] = {};
  av_strerror(code, text, sizeof text);
  return text;
}

}  // namespace motrevix::av
