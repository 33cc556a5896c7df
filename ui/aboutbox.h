#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

namespace vantrel {

// The version box: fixed size, centred on the screen the first time it is
// shown and reopened where it was left after that. OK, Enter and the close
// box close it; Escape does nothing.
class TAboutBox : public QDialog {
  Q_OBJECT

 public:
  explicit TAboutBox(QWidget* parent = nullptr);

  QFrame* Panel1 = nullptr;
  QLabel* ProgramIcon = nullptr;
  QLabel* ProductName = nullptr;
  QLabel* Version = nullptr;
  QLabel* Copyright = nullptr;
  QLabel* Comments = nullptr;
  QPushButton* OKButton = nullptr;
  QLabel* Label1 = nullptr;

  // Shows the box modally and returns how it was closed.
  int Execute();
  void OKButtonClick();

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  bool shownBefore_ = false;
};

}  // namespace vantrel
