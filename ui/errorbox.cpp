#include "ui/errorbox.h"

#include <QWidget>

#include "document/prompts.h"

namespace vantrel {

void ShowErrorBox(const std::exception& error) {
  // The full stop is always added, also after a message that ends with one.
  const QString text = QString::fromUtf8(error.what()) + QLatin1Char('.');
  Prompts().ShowMessage(QCoreApplication::applicationName(), text, TMessageIcon::Critical);
}

void ShowUserError(const QString& text) {
  Prompts().ShowMessage(QStringLiteral("Error"), text, TMessageIcon::None);
}

namespace {

class TUnknownError : public std::exception {
 public:
  const char* what() const noexcept override { return "Unknown error"; }
};

void ReportFailure(const std::exception& error) {
  if (QWidget* grabber = QWidget::mouseGrabber()) grabber->releaseMouse();
  ShowErrorBox(error);
}

}  // namespace

void RunGuarded(const std::function<void()>& handler) {
  try {
    handler();
  } catch (const std::exception& error) {
    ReportFailure(error);
  } catch (...) {
    ReportFailure(TUnknownError());
  }
}

bool TApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& error) {
    ReportFailure(error);
  } catch (...) {
    ReportFailure(TUnknownError());
  }
  return true;
}

}  // namespace vantrel
