#include "skin/bitmap_button.h"

#include <QPainter>

namespace motrevix {
namespace {

enum Face { kNormal = 0, kPressed = 1, kFocused = 2, kDisabled = 3 };

}  // namespace

CBitmapButton::CBitmapButton(QWidget* parent) : QAbstractButton(parent) {
  setFocusPolicy(Qt::TabFocus);
  setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void CBitmapButton::SetFaces(const ButtonFaceNumbers& numbers, const ButtonFacePictures& pictures) {
  m_faces = numbers;
  m_pictures = pictures;
  for (std::size_t i = 0; i < m_faces.size(); ++i)
    if (m_pictures[i].isNull()) m_faces[i] = 0;
  const QPixmap& normal = m_pictures[kNormal];
  if (!normal.isNull()) resize(normal.deviceIndependentSize().toSize());
  update();
}

int CBitmapButton::ShownFace() const {
  int face = kNormal;
  if (isDown())
    face = kPressed;
  else if (hasFocus())
    face = kFocused;
  else if (!isEnabled())
    face = kDisabled;
  return m_pictures[face].isNull() ? kNormal : face;
}

int CBitmapButton::FaceNumber() const { return m_faces[ShownFace()]; }

QVariantList CBitmapButton::FaceNumberList() const {
  return {m_faces[0], m_faces[1], m_faces[2], m_faces[3]};
}

QSize CBitmapButton::sizeHint() const {
  const QPixmap& normal = m_pictures[kNormal];
  return normal.isNull() ? QSize(16, 16) : normal.deviceIndependentSize().toSize();
}

void CBitmapButton::paintEvent(QPaintEvent*) {
  const QPixmap& face = m_pictures[ShownFace()];
  if (face.isNull()) return;
  QPainter(this).drawPixmap(0, 0, face);
}

}  // namespace motrevix
