#pragma once

#include <QString>
#include <deque>
#include <optional>
#include <vector>

#include "document/prompts.h"

namespace vantrel::testing {

// Stands in for the user: answers file dialogs from a script and records every
// dialog and message box instead of showing it. Installed for its lifetime.
class TFakePrompts final : public TUserPrompts {
 public:
  struct Message {
    QString caption, text;
    TMessageIcon icon;
  };

  TFakePrompts() { SetPrompts(this); }
  ~TFakePrompts() override { SetPrompts(nullptr); }
  TFakePrompts(const TFakePrompts&) = delete;
  TFakePrompts& operator=(const TFakePrompts&) = delete;

  // The next file dialog confirms `fileName` (with `filterIndex`), or is
  // cancelled when given nothing.
  void AnswerFile(std::optional<QString> fileName, int filterIndex = 1) {
    answers.push_back({fileName.has_value(), {fileName.value_or(QString()), filterIndex}});
  }

  std::optional<TFileDialogAnswer> AskFile(const TFileDialogRequest& request) override {
    requests.push_back(request);
    if (answers.empty()) return std::nullopt;
    const Answer next = answers.front();
    answers.pop_front();
    if (!next.confirmed) return std::nullopt;
    return next.answer;
  }

  void ShowMessage(const QString& caption, const QString& text, TMessageIcon icon) override {
    messages.push_back({caption, text, icon});
  }

  struct Answer {
    bool confirmed;
    TFileDialogAnswer answer;
  };
  std::deque<Answer> answers;
  std::vector<TFileDialogRequest> requests;
  std::vector<Message> messages;
};

}  // namespace vantrel::testing
