#include "ui/updown.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <algorithm>

namespace vantrel {

TUpDown::TUpDown(QLineEdit& buddy, int minimum, int maximum, int position, QWidget* parent)
    : QWidget(parent),
      buddy_(buddy),
      minimum_(minimum),
      maximum_(maximum),
      position_(position),
      up_(new QToolButton(this)),
      down_(new QToolButton(this)) {
  setFocusPolicy(Qt::NoFocus);
  for (auto [button, arrow, delta] :
       {std::tuple{up_, Qt::UpArrow, 1}, {down_, Qt::DownArrow, -1}}) {
    button->setArrowType(arrow);
    button->setFocusPolicy(Qt::NoFocus);
    button->setAutoRepeat(true);
    connect(button, &QToolButton::clicked, this, [this, delta = delta] { StepBy(delta); });
  }
  buddy_.installEventFilter(this);
}

void TUpDown::StepBy(int delta) {
  bool isNumber = false;
  const int typed = buddy_.text().trimmed().toInt(&isNumber);
  const int from = std::clamp(isNumber ? typed : position_, minimum_, maximum_);
  position_ = std::clamp(from + delta, minimum_, maximum_);
  buddy_.setText(QString::number(position_));
}

bool TUpDown::eventFilter(QObject* watched, QEvent* event) {
  if (watched == &buddy_ && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Up || key == Qt::Key_Down) {
      StepBy(key == Qt::Key_Up ? 1 : -1);
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void TUpDown::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  const int half = height() / 2;
  up_->setGeometry(0, 0, width(), half);
  down_->setGeometry(0, half, width(), height() - half);
}

}  // namespace vantrel
