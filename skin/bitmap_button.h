#pragma once
// `CBitmapButton`: a push button drawn from four face pictures, normal, pressed,
// focused and disabled. It shows the pressed face while pressed, else the focused
// face while it has the keyboard focus, else the disabled face while disabled,
// else the normal face; a missing face falls back to the normal one. The face is
// drawn unscaled at the top-left. Loading faces resizes the button to the normal
// face, keeping its position; a later explicit size wins.

#include <QAbstractButton>
#include <QPixmap>
#include <QVariantList>
#include <array>

namespace motrevix {

// Face numbers in the order normal, pressed, focused, disabled; 0 = none.
using ButtonFaceNumbers = std::array<int, 4>;
// The pictures of those faces (null where there is none).
using ButtonFacePictures = std::array<QPixmap, 4>;

class CBitmapButton : public QAbstractButton {
  Q_OBJECT
  // The number of the face drawn now (0 when none is).
  Q_PROPERTY(int faceNumber READ FaceNumber)
  // The four face numbers loaded, normal, pressed, focused, disabled (0: none).
  Q_PROPERTY(QVariantList faceNumbers READ FaceNumberList)

 public:
  explicit CBitmapButton(QWidget* parent = nullptr);

  void SetFaces(const ButtonFaceNumbers& numbers, const ButtonFacePictures& pictures);
  const ButtonFaceNumbers& Faces() const { return m_faces; }
  int FaceNumber() const;
  QVariantList FaceNumberList() const;

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  // Index into the faces of the one to draw now.
  int ShownFace() const;

  ButtonFaceNumbers m_faces{};
  ButtonFacePictures m_pictures;
};

}  // namespace motrevix
