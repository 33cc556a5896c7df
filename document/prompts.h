#pragma once

#include <QString>
#include <optional>

namespace vantrel {

struct TFileDialogRequest {
  bool Save = false;
  QString FileName;
  QString Filter;  // entries separated by ";;", as QFileDialog takes them
  int FilterIndex = 1;
  QString DefaultExt;
};

struct TFileDialogAnswer {
  QString FileName;
  int FilterIndex = 1;
};

enum class TMessageIcon { None, Critical };

// Everything the program asks of the user in a modal box. The program talks
// to the user only through this, so tests can answer instead.
class TUserPrompts {
 public:
  virtual ~TUserPrompts() = default;
  // Nothing when the user cancels.
  virtual std::optional<TFileDialogAnswer> AskFile(const TFileDialogRequest& request) = 0;
  virtual void ShowMessage(const QString& caption, const QString& text, TMessageIcon icon) = 0;
};

// The prompts in use: Qt's dialogs and message boxes unless replaced.
TUserPrompts& Prompts();
// Replaces the prompts in use; nullptr goes back to Qt's.
void SetPrompts(TUserPrompts* prompts);

}  // namespace vantrel
