#pragma once
// `CBitSlider`: a slider with its own looks. The track is drawn from two
// pictures, the filled one left of the thumb and the empty one right of it; the
// thumb is a `CBitWnd` child showing a picture, centred over the slider's own
// thumb, that passes the mouse on to the slider. Range, keys, dragging and the
// notifications stay the slider's. The wheel never moves it. The thumb
// rectangle comes from Qt's Fusion style, set on every slider of this class, so
// the thumb lands on the same pixels on every desktop.

#include <QPixmap>
#include <QSlider>
#include <vector>

#include "skin/bit_wnd.h"

namespace motrevix {

class CBitSlider : public QSlider {
  Q_OBJECT

 public:
  explicit CBitSlider(QWidget* parent = nullptr);

  // Only the first call has an effect: makes the thumb window from the picture
  // (frames 5 pixels wide and frameHeight high).
  void SetThumbBitmap(int number, const QPixmap& picture, int frameHeight);
  // Replaces both track pictures and sizes the slider to the filled one.
  void SetTrackBitmaps(int emptyNumber, const QPixmap& empty, int filledNumber,
                       const QPixmap& filled);

  CBitWnd* Thumb() const { return m_pThumb; }
  int ThumbNumber() const { return m_nThumbNumber; }
  int EmptyTrackNumber() const { return m_nEmptyNumber; }
  int FilledTrackNumber() const { return m_nFilledNumber; }
  // Where the thumb picture goes now, in the slider's coordinates.
  QRect ThumbRect() const;
  // Where it goes when the slider stands at value.
  QRect ThumbRectAt(int value) const;

  // Small marks on the track at these slider values (the recording's incidents
  // on the progress slider), each centred where the thumb's centre would be at
  // that value; an empty list removes them.
  void SetMarks(std::vector<int> values);
  const std::vector<int>& Marks() const { return m_marks; }
  // The x coordinate (slider pixels) of a mark's centre line: a mark is drawn
  // around the pixel column [x, x + 1).
  int MarkColumn(int value) const;
  int m_nThumbOffset = 0;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void sliderChange(SliderChange change) override;

 private:
  void PlaceThumb();
  void PaintMarks(QPainter& painter) const;

  CBitWnd* m_pThumb = nullptr;
  QPixmap m_filled;
  QPixmap m_empty;
  int m_nThumbNumber = 0;
  int m_nEmptyNumber = 0;
  int m_nFilledNumber = 0;
  std::vector<int> m_marks;
};

}  // namespace motrevix
