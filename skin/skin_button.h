#pragma once
// `CSkinButton`: a two-state button drawn from six pictures (normal, down, hover,
// disabled, focus and a shape mask). It keeps its own check state: a toggle flips
// it on a release over the button and on the space bar's key-down, a radio button
// checks itself and unchecks the other radio buttons of its parent; a push button
// stays unchecked. The state is updated before the click reaches the parent.
// Every pixel of the mask that is not pure white belongs to the button: the rest
// neither shows nor takes clicks.

#include <QAbstractButton>
#include <QPixmap>
#include <QRegion>
#include <array>

namespace motrevix {

enum class SkinButtonKind { Push = 0, Toggle = 2, Radio = 4 };

// Picture numbers in the order normal, down, hover, disabled, focus, mask.
using SkinButtonNumbers = std::array<int, 6>;
using SkinButtonPictures = std::array<QPixmap, 6>;

class CSkinButton : public QAbstractButton {
  Q_OBJECT
  Q_PROPERTY(int faceNumber READ FaceNumber)

 public:
  explicit CSkinButton(SkinButtonKind kind = SkinButtonKind::Toggle, QWidget* parent = nullptr);

  void SetBitmaps(const SkinButtonNumbers& numbers, const SkinButtonPictures& pictures);
  SkinButtonKind Kind() const { return m_nKind; }
  // The number of the face drawn now (0 when the plain fill is).
  int FaceNumber() const;
  // The button's shape (empty: the whole rectangle).
  const QRegion& Shape() const { return m_region; }

 protected:
  bool hitButton(const QPoint& pos) const override;
  void nextCheckState() override;
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  // The own check rule: toggles flip, radios check and uncheck their group.
  void CheckByUser();
  void SetCheckedChecked(bool checked);
  int ShownFace() const;

  SkinButtonKind m_nKind;
  bool m_bHover = false;
  // The space bar's key-down changed the state; its click does not again.
  bool m_bCheckedByKey = false;
  SkinButtonNumbers m_numbers{};
  SkinButtonPictures m_pictures;
  QRegion m_region;
};

}  // namespace motrevix
