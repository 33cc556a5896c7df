#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;

namespace vantrel {

// An up-down spinner bound to an edit box. Its arrows, and the Up and Down
// keys in the edit box, step the number in the box by 1 within [min, max],
// stopping at either end. The box still takes any text: a step from text that
// is not a number starts from the spinner's last position.
class TUpDown : public QWidget {
  Q_OBJECT

 public:
  TUpDown(QLineEdit& buddy, int minimum, int maximum, int position, QWidget* parent);

  void StepBy(int delta);

  QToolButton* UpButton() const { return up_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  QLineEdit& buddy_;
  int minimum_, maximum_, position_;
  QToolButton* up_;
  QToolButton* down_;
};

}  // namespace vantrel
