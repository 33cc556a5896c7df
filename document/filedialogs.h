#pragma once

#include <QString>

namespace vantrel {

// "Crontab files", "Text files" and "All files".
inline const char* const kCronFileFilter =
    "Crontab files (*.crn);;Text files (*.txt);;All files (*)";

// A file dialog's settings and its last answer. Execute shows the dialog
// starting from FileName and FilterIndex; when the user confirms, both take
// the user's choice.
class TFileDialog {
 public:
  QString FileName;
  QString Filter = QString::fromLatin1(kCronFileFilter);
  int FilterIndex = 1;
  QString DefaultExt;

  bool Execute();

 protected:
  explicit TFileDialog(bool save) : save_(save) {}

 private:
  bool save_;
};

class TOpenDialog : public TFileDialog {
 public:
  TOpenDialog() : TFileDialog(false) {}
};

// A name confirmed without an extension gets DefaultExt.
class TSaveDialog : public TFileDialog {
 public:
  TSaveDialog() : TFileDialog(true) {}
};

}  // namespace vantrel
