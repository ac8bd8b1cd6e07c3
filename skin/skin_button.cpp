#include "skin/skin_button.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "skin/mask_region.h"

namespace motrevix {
namespace {

enum Picture { kNormal = 0, kDown = 1, kHover = 2, kDisabled = 3, kFocus = 4, kMask = 5 };

}  // namespace

CSkinButton::CSkinButton(SkinButtonKind kind, QWidget* parent)
    : QAbstractButton(parent), m_nKind(kind) {
  setCheckable(kind != SkinButtonKind::Push);
  setAutoExclusive(false);  // the radio group is ours
  setFocusPolicy(Qt::TabFocus);
  setAttribute(Qt::WA_Hover);
}

void CSkinButton::SetBitmaps(const SkinButtonNumbers& numbers, const SkinButtonPictures& pictures) {
  m_numbers = numbers;
  m_pictures = pictures;
  for (std::size_t i = 0; i < m_numbers.size(); ++i)
    if (m_pictures[i].isNull()) m_numbers[i] = 0;
  const QPixmap& mask = m_pictures[kMask];
  if (mask.isNull()) {
    m_region = QRegion();
    clearMask();
  } else {
    // The shape in logical pixels, whatever the picture's device pixel ratio.
    QImage logical = mask.toImage();
    const QSize size = mask.deviceIndependentSize().toSize();
    if (logical.size() != size) logical = logical.scaled(size, Qt::IgnoreAspectRatio);
    m_region = RegionFromMask(logical);
    if (m_region.isEmpty())
      clearMask();
    else
      setMask(m_region);
  }
  update();
}

bool CSkinButton::hitButton(const QPoint& pos) const {
  if (!m_region.isEmpty()) return m_region.contains(pos);
  return rect().contains(pos);
}

void CSkinButton::nextCheckState() {
  // Runs for every click (a release over the button, click()), before the click
  // notification; the space bar has already changed the state on its key-down.
  if (m_bCheckedByKey) {
    m_bCheckedByKey = false;
    return;
  }
  CheckByUser();
}

void CSkinButton::SetCheckedChecked(bool checked) {
  if (m_nKind == SkinButtonKind::Push) return;
  setChecked(checked);
  if (checked && m_nKind == SkinButtonKind::Radio && parentWidget() != nullptr) {
    for (auto* other : parentWidget()->findChildren<CSkinButton*>(Qt::FindDirectChildrenOnly))
      if (other != this && other->m_nKind == SkinButtonKind::Radio) other->setChecked(false);
  }
  update();
}

void CSkinButton::CheckByUser() {
  if (m_nKind == SkinButtonKind::Toggle) SetCheckedChecked(!isChecked());
  if (m_nKind == SkinButtonKind::Radio) SetCheckedChecked(true);
}

void CSkinButton::mousePressEvent(QMouseEvent* event) {
  m_bHover = false;
  m_bCheckedByKey = false;
  QAbstractButton::mousePressEvent(event);
}

void CSkinButton::mouseReleaseEvent(QMouseEvent* event) {
  // A release over the button clicks it (nextCheckState, then the notification);
  // one outside leaves the state alone.
  QAbstractButton::mouseReleaseEvent(event);
}

void CSkinButton::mouseDoubleClickEvent(QMouseEvent* event) {
  // A second press at the same point: the release that follows toggles again.
  mousePressEvent(event);
}

void CSkinButton::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Space && !event->isAutoRepeat()) {
    CheckByUser();
    m_bCheckedByKey = m_nKind != SkinButtonKind::Push;
  }
  if (event->key() == Qt::Key_Space && event->isAutoRepeat()) return;
  QAbstractButton::keyPressEvent(event);
}

void CSkinButton::focusOutEvent(QFocusEvent* event) {
  // Losing the focus ends a press in progress without a click.
  if (isDown()) setDown(false);
  m_bCheckedByKey = false;
  QAbstractButton::focusOutEvent(event);
}

void CSkinButton::enterEvent(QEnterEvent* event) {
  if (!isDown()) m_bHover = true;
  update();
  QAbstractButton::enterEvent(event);
}

void CSkinButton::leaveEvent(QEvent* event) {
  m_bHover = false;
  update();
  QAbstractButton::leaveEvent(event);
}

int CSkinButton::ShownFace() const {
  if (!isEnabled()) return kDisabled;
  if (isDown() || isChecked()) return kDown;
  if (m_pictures[kNormal].isNull()) return -1;
  if (m_bHover && !m_pictures[kHover].isNull()) return kHover;
  if (hasFocus() && !m_pictures[kFocus].isNull()) return kFocus;
  return kNormal;
}

int CSkinButton::FaceNumber() const {
  const int face = ShownFace();
  return face < 0 ? 0 : m_numbers[face];
}

void CSkinButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const int face = ShownFace();
  const QPixmap* picture = face < 0 ? nullptr : &m_pictures[face];
  if (picture != nullptr && !picture->isNull()) {
    // Tiled from the top-left: with a picture of the button's size, one copy.
    painter.drawTiledPixmap(rect(), *picture);
  } else {
    painter.fillRect(rect(), palette().button());
  }
  if (text().isEmpty()) return;
  QRect textRect = rect().adjusted(2, 0, -2, 0);
  if (face == kDisabled) {
    painter.setPen(palette().color(QPalette::Highlight));
    painter.drawText(textRect, Qt::AlignCenter, text());
    painter.setPen(palette().color(QPalette::Disabled, QPalette::Text));
    painter.drawText(textRect.translated(-1, -1), Qt::AlignCenter, text());
    return;
  }
  if (face == kDown) textRect.translate(1, 1);
  painter.setPen(palette().color(QPalette::ButtonText));
  painter.drawText(textRect, Qt::AlignCenter, text());
}

}  // namespace motrevix
