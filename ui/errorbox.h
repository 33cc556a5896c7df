#pragma once

#include <QApplication>
#include <QString>
#include <exception>
#include <functional>

namespace vantrel {

// The application's title: the caption of the error box.
inline const char* const kApplicationTitle = "Vantrel";

// The application-wide error display: the message followed by ".", captioned
// with the application's title, with the stop icon and one OK button.
void ShowErrorBox(const std::exception& error);

// A fault in the user's input: the text in a box captioned "Error", no icon.
void ShowUserError(const QString& text);

// Runs a handler under the application's guard: an exception that leaves it
// releases any mouse grab and is shown by ShowErrorBox; the program goes on.
void RunGuarded(const std::function<void()>& handler);

// The application object. Its event dispatch is a last guard for failures
// that escape an event handler.
class TApplication : public QApplication {
 public:
  using QApplication::QApplication;
  bool notify(QObject* receiver, QEvent* event) override;
};

}  // namespace vantrel
