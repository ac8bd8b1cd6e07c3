// The skinned controls offscreen: which face each shows, the masked button's
// shape and check rules, and the bitmap slider's looks and wheel.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>
#include <QWidget>

#include "skin/bit_slider.h"
#include "skin/bitmap_button.h"
#include "skin/skin_button.h"

namespace motrevix {
namespace {

QPixmap Solid(QSize size, QColor colour) {
  QPixmap picture(size);
  picture.fill(colour);
  return picture;
}

void Send(QWidget* widget, QEvent::Type type, QPoint at, Qt::MouseButtons held) {
  QMouseEvent event(type, at, widget->mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
  QApplication::sendEvent(widget, &event);
}
void Press(QWidget* w, QPoint at) { Send(w, QEvent::MouseButtonPress, at, Qt::LeftButton); }
void Release(QWidget* w, QPoint at) { Send(w, QEvent::MouseButtonRelease, at, Qt::NoButton); }
void DoubleClick(QWidget* w, QPoint at) {
  Send(w, QEvent::MouseButtonDblClick, at, Qt::LeftButton);
}
void Key(QWidget* w, QEvent::Type type, bool autoRepeat) {
  QKeyEvent event(type, Qt::Key_Space, Qt::NoModifier, " ", autoRepeat);
  QApplication::sendEvent(w, &event);
}

TEST(BitmapButton, ShowsTheFaceOfItsStateWithFallbacks) {
  QWidget window;
  CBitmapButton button(&window);
  button.move(40, 30);
  button.SetFaces({232, 233, 0, 235}, {Solid({45, 45}, Qt::darkGray), Solid({45, 45}, Qt::blue),
                                       QPixmap(), Solid({45, 45}, Qt::gray)});
  EXPECT_EQ(button.geometry(), QRect(40, 30, 45, 45));  // sized to the normal face, kept in place
  window.show();
  EXPECT_EQ(button.FaceNumber(), 232);
  EXPECT_EQ(button.property("faceNumber").toInt(), 232);
  button.setDown(true);
  EXPECT_EQ(button.FaceNumber(), 233);
  button.setDown(false);
  button.setFocus();
  window.activateWindow();
  EXPECT_EQ(button.FaceNumber(), 232);  // no focused face: the normal one
  button.clearFocus();
  button.setEnabled(false);
  EXPECT_EQ(button.FaceNumber(), 235);
  // A later explicit size wins; loading faces again resizes.
  button.setGeometry(40, 30, 32, 32);
  EXPECT_EQ(button.size(), QSize(32, 32));
  button.SetFaces({377, 0, 0, 0}, {Solid({49, 50}, Qt::black), {}, {}, {}});
  EXPECT_EQ(button.size(), QSize(49, 50));
  EXPECT_EQ(button.FaceNumber(), 377);  // disabled without a disabled face: normal
  // The face is drawn unscaled at the top-left.
  const QImage shown = button.grab().toImage();
  EXPECT_EQ(shown.pixelColor(0, 0), QColor(Qt::black));
}

class SkinButtonTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window_.resize(200, 100);
    button_ = new CSkinButton(SkinButtonKind::Toggle, &window_);
    button_->setGeometry(10, 10, 40, 20);
    // A mask with a white hole in the right half.
    QImage mask(40, 20, QImage::Format_RGB32);
    mask.fill(Qt::black);
    for (int y = 0; y < 20; ++y)
      for (int x = 20; x < 40; ++x) mask.setPixel(x, y, qRgb(255, 255, 255));
    button_->SetBitmaps(
        {275, 275, 284, 276, 277, 278},
        {Solid({40, 20}, Qt::darkGray), Solid({40, 20}, Qt::blue), Solid({40, 20}, Qt::cyan),
         Solid({40, 20}, Qt::gray), Solid({40, 20}, Qt::green), QPixmap::fromImage(mask)});
    window_.show();
    clicks_ = std::make_unique<QSignalSpy>(button_, &QAbstractButton::clicked);
  }
  QWidget window_;
  CSkinButton* button_ = nullptr;
  std::unique_ptr<QSignalSpy> clicks_;
};

TEST_F(SkinButtonTest, FaceFollowsDisabledPressedCheckedHoverFocus) {
  EXPECT_EQ(button_->FaceNumber(), 275);
  QEnterEvent enter(QPointF(5, 5), QPointF(15, 15), QPointF(15, 15));
  QApplication::sendEvent(button_, &enter);
  EXPECT_EQ(button_->FaceNumber(), 284);  // hover
  button_->setChecked(true);
  EXPECT_EQ(button_->FaceNumber(), 275);  // checked + hover: the down face (here 275 too)
  button_->SetBitmaps({275, 293, 284, 0, 0, 0}, {Solid({40, 20}, Qt::darkGray),
                                                 Solid({40, 20}, Qt::blue),
                                                 Solid({40, 20}, Qt::cyan),
                                                 {},
                                                 {},
                                                 {}});
  EXPECT_EQ(button_->FaceNumber(), 293);
  button_->setChecked(false);
  EXPECT_EQ(button_->FaceNumber(), 284);
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(button_, &leave);
  EXPECT_EQ(button_->FaceNumber(), 275);
  button_->setEnabled(false);
  EXPECT_EQ(button_->FaceNumber(), 0);  // disabled without a face: the plain fill
}

TEST_F(SkinButtonTest, AClickInTheMasksHoleMisses) {
  EXPECT_TRUE(button_->mask().contains(QPoint(5, 5)));
  EXPECT_FALSE(button_->mask().contains(QPoint(30, 5)));
  QTest::mouseClick(button_, Qt::LeftButton, {}, QPoint(30, 10));
  EXPECT_EQ(clicks_->count(), 0);
  EXPECT_FALSE(button_->isChecked());
  QTest::mouseClick(button_, Qt::LeftButton, {}, QPoint(5, 10));
  EXPECT_EQ(clicks_->count(), 1);
  EXPECT_TRUE(button_->isChecked());
}

TEST_F(SkinButtonTest, CheckStateRules) {
  // The state is already new when the click reaches the parent.
  std::vector<bool> seen;
  QObject::connect(button_, &QAbstractButton::clicked,
                   [&] { seen.push_back(button_->isChecked()); });
  // Released outside after a press on it: unchanged, no click.
  Press(button_, {5, 5});
  Release(button_, {150, 5});
  EXPECT_FALSE(button_->isChecked());
  // A double-click counts as a second press: toggled twice.
  Press(button_, {5, 5});
  Release(button_, {5, 5});
  DoubleClick(button_, {5, 5});
  Release(button_, {5, 5});
  EXPECT_FALSE(button_->isChecked());
  EXPECT_EQ(seen, (std::vector<bool>{true, false}));
  // Space toggles on key-down; auto-repeat does not toggle again.
  button_->setFocus();
  Key(button_, QEvent::KeyPress, false);
  EXPECT_TRUE(button_->isChecked());
  Key(button_, QEvent::KeyPress, true);
  Key(button_, QEvent::KeyPress, true);
  EXPECT_TRUE(button_->isChecked());
  Key(button_, QEvent::KeyRelease, false);
  EXPECT_EQ(seen.back(), true);
  // Losing the focus during a press drops it: no click on the release.
  const int clicks = clicks_->count();
  Press(button_, {5, 5});
  QFocusEvent out(QEvent::FocusOut);
  QApplication::sendEvent(button_, &out);
  EXPECT_FALSE(button_->isDown());
  Release(button_, {5, 5});
  EXPECT_EQ(clicks_->count(), clicks);
  // A click from the program toggles as a click of the user does.
  const bool before = button_->isChecked();
  button_->click();
  EXPECT_NE(button_->isChecked(), before);
}

TEST(SkinButtonKinds, RadioChecksItsGroupPushStaysUnchecked) {
  QWidget window;
  CSkinButton a(SkinButtonKind::Radio, &window), b(SkinButtonKind::Radio, &window),
      c(SkinButtonKind::Radio, &window), push(SkinButtonKind::Push, &window);
  for (auto* button : {&a, &b, &c, &push}) button->resize(20, 20);
  window.show();
  QTest::mouseClick(&a, Qt::LeftButton);
  QTest::mouseClick(&b, Qt::LeftButton);
  EXPECT_FALSE(a.isChecked());
  EXPECT_TRUE(b.isChecked());
  QTest::mouseClick(&b, Qt::LeftButton);  // a radio button checks itself, never unchecks
  EXPECT_TRUE(b.isChecked());
  push.setChecked(true);
  QTest::mouseClick(&push, Qt::LeftButton);
  EXPECT_FALSE(push.isChecked());
}

class BitSliderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    slider_ = new CBitSlider(&window_);
    slider_->setRange(0, 100);
    slider_->SetThumbBitmap(356, Solid({5, 20}, Qt::white), 20);
    slider_->SetTrackBitmaps(236, Solid({300, 20}, Qt::gray), 237, Solid({300, 20}, Qt::blue));
    window_.resize(400, 100);
    window_.show();
  }
  QWidget window_;
  CBitSlider* slider_ = nullptr;
};

TEST_F(BitSliderTest, TakesTheFilledTracksSizeAndDrawsAroundTheThumb) {
  EXPECT_EQ(slider_->size(), QSize(300, 20));
  slider_->setValue(50);
  const QRect thumb = slider_->ThumbRect();
  EXPECT_EQ(thumb.size(), QSize(5, 20));
  EXPECT_EQ(slider_->Thumb()->geometry(), thumb);
  const QImage shown = slider_->grab().toImage();
  EXPECT_EQ(shown.pixelColor(thumb.left() - 3, 10), QColor(Qt::blue));
  EXPECT_EQ(shown.pixelColor(thumb.right() + 3, 10), QColor(Qt::gray));
  EXPECT_EQ(shown.pixelColor(thumb.left() + 2, 10), QColor(Qt::white));
  // The thumb follows the value.
  slider_->setValue(90);
  EXPECT_GT(slider_->Thumb()->x(), thumb.x());
}

TEST_F(BitSliderTest, ASecondThumbBitmapChangesNothing) {
  CBitWnd* first = slider_->Thumb();
  slider_->SetThumbBitmap(233, Solid({5, 14}, Qt::red), 14);
  EXPECT_EQ(slider_->Thumb(), first);
  EXPECT_EQ(slider_->ThumbNumber(), 356);
  EXPECT_EQ(first->FrameSize(), QSize(5, 20));
}

TEST_F(BitSliderTest, TheWheelMovesNothingAndSendsNothing) {
  slider_->setValue(40);
  QSignalSpy moved(slider_, &QAbstractSlider::actionTriggered);
  for (int delta : {120, -240, 0}) {
    QWheelEvent wheel(QPointF(50, 10), slider_->mapToGlobal(QPointF(50, 10)), {}, {0, delta},
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(slider_, &wheel);
  }
  EXPECT_EQ(slider_->value(), 40);
  EXPECT_EQ(moved.count(), 0);
}

TEST_F(BitSliderTest, DraggingTheVisibleThumbDragsTheSlider) {
  slider_->setValue(10);
  CBitWnd* thumb = slider_->Thumb();
  QSignalSpy moved(slider_, &QAbstractSlider::sliderMoved);
  // The picture lies over the slider's own thumb: a press on it grips the thumb.
  const QPoint grip(0, 10);
  Press(thumb, grip);
  const QPoint to = grip + QPoint(150, 0);
  QMouseEvent move(QEvent::MouseMove, QPointF(to), thumb->mapToGlobal(QPointF(to)), Qt::NoButton,
                   Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(thumb, &move);
  Release(thumb, to);
  EXPECT_GT(slider_->value(), 50);
  EXPECT_GT(moved.count(), 0);
}

TEST(BitSliderWithoutPictures, PaintsNothingAndStillWorks) {
  QWidget window;
  window.setAutoFillBackground(true);
  QPalette colours = window.palette();
  colours.setColor(QPalette::Window, Qt::magenta);
  window.setPalette(colours);
  CBitSlider slider(&window);
  slider.setGeometry(0, 0, 100, 20);
  window.resize(100, 20);
  window.show();
  const QImage shown = window.grab().toImage();
  EXPECT_EQ(shown.pixelColor(50, 10), QColor(Qt::magenta));
  slider.setValue(30);
  EXPECT_EQ(slider.value(), 30);
}

}  // namespace
}  // namespace motrevix
