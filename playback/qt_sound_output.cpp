#include "playback/qt_sound_output.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QCoreApplication>
#include <QIODevice>
#include <QMediaDevices>
#include <QTimer>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <mutex>
#include <string>

#include "playback/null_sound_output.h"

namespace motrevix {
namespace {

// The bytes waiting to be pulled by the sink.
class RingDevice : public QIODevice {
 public:
  explicit RingDevice(std::size_t capacity) : capacity_(capacity) { open(QIODevice::ReadOnly); }

  std::size_t Write(const std::uint8_t* data, std::size_t bytes) {
    std::lock_guard lock(mutex_);
    std::size_t n = std::min(bytes, capacity_ - buffer_.size());
    n -= n % 4;  // whole frames of 16-bit stereo
    buffer_.insert(buffer_.end(), data, data + n);
    return n;
  }
  std::size_t Buffered() const {
    std::lock_guard lock(mutex_);
    return buffer_.size();
  }
  void Clear() {
    std::lock_guard lock(mutex_);
    buffer_.clear();
  }
  // Bytes the sink has taken since the start.
  std::uint64_t Pulled() const { return pulled_; }
  bool isSequential() const override { return true; }
  qint64 bytesAvailable() const override {
    return static_cast<qint64>(Buffered()) + QIODevice::bytesAvailable();
  }

 protected:
  qint64 readData(char* data, qint64 maxSize) override {
    std::lock_guard lock(mutex_);
    const std::size_t n = std::min(static_cast<std::size_t>(maxSize), buffer_.size());
    std::copy_n(buffer_.begin(), n, data);
    buffer_.erase(buffer_.begin(), buffer_.begin() + static_cast<std::ptrdiff_t>(n));
    pulled_ += n;
    return static_cast<qint64>(n);
  }
  qint64 writeData(const char*, qint64) override { return -1; }

 private:
  mutable std::mutex mutex_;
  std::deque<std::uint8_t> buffer_;
  std::size_t capacity_;
  std::atomic<std::uint64_t> pulled_{0};
};

long long SteadyNs() {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

// How often the sink is asked how much it has played, and how far that is carried
// forward between two readings.
constexpr int kProgressPollMs = 5;
constexpr double kMaxExtrapolation = 0.02;

}  // namespace

struct QtSoundOutput::Impl {
  std::unique_ptr<QAudioSink> sink;
  std::unique_ptr<RingDevice> ring;
  // Reads the sink's progress on the sink's own thread (the sink is not safe to
  // ask from the renderer's thread).
  std::unique_ptr<QTimer> progress;
  int bytesPerSecond = 0;
  // Microseconds of sound the sink has played, when that was read, and whether
  // it grew since the reading before.
  std::atomic<long long> playedUs{0};
  std::atomic<long long> readAtNs{0};
  std::atomic<bool> advancing{false};

  void ReadProgress() {
    // A sink that found the ring empty (after a seek, or a decoder that fell
    // behind) stops asking for more until told that there is some again.
    if (sink->state() == QAudio::IdleState && ring->Buffered() > 0) emit ring->readyRead();
    const long long us = sink->processedUSecs();
    advancing = us > playedUs && sink->state() != QAudio::SuspendedState;
    playedUs = us;
    readAtNs = SteadyNs();
  }
};

QtSoundOutput::QtSoundOutput() : impl_(std::make_unique<Impl>()) {}

QtSoundOutput::~QtSoundOutput() {
  impl_->progress.reset();
  if (impl_->sink) impl_->sink->stop();
}

bool QtSoundOutput::Available() {
  if (QCoreApplication::instance() == nullptr) return false;
  return !QMediaDevices::defaultAudioOutput().isNull();
}

bool QtSoundOutput::Init(int sampleRate, int channels) {
  QAudioFormat format;
  format.setSampleRate(sampleRate);
  format.setChannelCount(channels);
  format.setSampleFormat(QAudioFormat::Int16);
  const QAudioDevice device = QMediaDevices::defaultAudioOutput();
  if (device.isNull() || !device.isFormatSupported(format)) return false;
  impl_->bytesPerSecond = sampleRate * channels * 2;
  impl_->ring = std::make_unique<RingDevice>(static_cast<std::size_t>(impl_->bytesPerSecond / 5));
  impl_->sink = std::make_unique<QAudioSink>(device, format);
  impl_->sink->setBufferSize(impl_->bytesPerSecond / 10);
  impl_->sink->start(impl_->ring.get());
  impl_->sink->suspend();
  impl_->progress = std::make_unique<QTimer>();
  impl_->progress->setTimerType(Qt::PreciseTimer);
  QObject::connect(impl_->progress.get(), &QTimer::timeout,
                   [impl = impl_.get()] { impl->ReadProgress(); });
  impl_->progress->start(kProgressPollMs);
  return impl_->sink->error() == QAudio::NoError;
}

std::size_t QtSoundOutput::Play(const std::uint8_t* data, std::size_t bytes) {
  if (!impl_->ring) return 0;
  return impl_->ring->Write(data, bytes);
}

double QtSoundOutput::Delay() const {
  if (!impl_->ring || impl_->bytesPerSecond == 0) return 0;
  // What waits in the ring, and what the sink has taken but not yet played.
  const double pulled = static_cast<double>(impl_->ring->Pulled()) / impl_->bytesPerSecond;
  double played = static_cast<double>(impl_->playedUs) / 1e6;
  if (impl_->advancing)
    played += std::min(kMaxExtrapolation, static_cast<double>(SteadyNs() - impl_->readAtNs) / 1e9);
  return static_cast<double>(impl_->ring->Buffered()) / impl_->bytesPerSecond +
         std::max(0.0, pulled - played);
}

bool QtSoundOutput::IsDevice() const { return true; }

void QtSoundOutput::Pause() {
  if (impl_->sink) impl_->sink->suspend();
}

void QtSoundOutput::Resume() {
  if (impl_->sink) impl_->sink->resume();
}

void QtSoundOutput::Reset() {
  if (impl_->ring) impl_->ring->Clear();
}

std::unique_ptr<ISoundOutput> MakeDefaultSoundOutput() {
  const char* forced = std::getenv("MOTREVIX_SOUND_OUTPUT");
  if ((forced == nullptr || std::string(forced) != "null") && QtSoundOutput::Available())
    return std::make_unique<QtSoundOutput>();
  return std::make_unique<NullSoundOutput>();
}

}  // namespace motrevix
