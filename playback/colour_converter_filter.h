#pragma once
// The colour space converter ("Color Space Convertor 1/2"): decoded YUV pictures
// to packed 32-bit pictures (QImage RGB32) with libswscale, at the size of the
// surface they are shown on when that is smaller than the picture (the decoded
// picture then goes along for grabs), else at their own size. It runs on the
// thread that delivers to it.

#include <QImage>
#include <memory>
#include <vector>

#include "platform/av_handles.h"
#include "playback/base_filter.h"

namespace motrevix {

class CColourConverterFilter : public CBaseFilter {
 public:
  CColourConverterFilter();

  bool AcceptsInput(const CPin& input, const MediaType& type) const override;
  HResult CompleteConnect(CPin& pin, const MediaType& type) override;
  bool Receive(CPin& input, MediaSample&& sample) override;

 private:
  // A picture to convert into: a pooled one that nobody else holds any more, so
  // the same memory is written frame after frame.
  std::shared_ptr<QImage> TakePicture(int width, int height);
  // The client size of the surface the renderer downstream draws into; empty
  // when there is none.
  QSize ShownSize() const;

  std::vector<std::shared_ptr<QImage>> pool_;
  CPin& input_;
  CPin& output_;
  SwsContext* scaler_ = nullptr;  // owned by scalerHolder_
  av::Sws scalerHolder_;
};

}  // namespace motrevix
