#include "ui/program.h"

#include <QIcon>
#include <algorithm>
#include <cctype>
#include <memory>

#include "ui/aboutbox.h"
#include "ui/errorbox.h"
#include "ui/vantrelwin.h"

namespace vantrel {

TVantrelWin* VantrelWin = nullptr;
TAboutBox* AboutBox = nullptr;

bool IsRegistrationSwitch(std::string_view argument) {
  if (argument.empty() || (argument.front() != '/' && argument.front() != '-')) return false;
  const std::string_view name = argument.substr(1);
  const auto equalsIgnoringCase = [name](std::string_view word) {
    return std::equal(name.begin(), name.end(), word.begin(), word.end(), [](char a, char b) {
      return std::toupper(static_cast<unsigned char>(a)) == b;
    });
  };
  return equalsIgnoringCase("REGSERVER") || equalsIgnoringCase("UNREGSERVER");
}

namespace {

// Sets a program-wide reference for the life of its window.
template <typename T>
class TWindowRef {
 public:
  TWindowRef(T*& ref, std::unique_ptr<T> window) : ref_(ref), window_(std::move(window)) {
    ref_ = window_.get();
  }
  ~TWindowRef() {
    window_.reset();
    ref_ = nullptr;
  }
  TWindowRef(const TWindowRef&) = delete;
  TWindowRef& operator=(const TWindowRef&) = delete;
  T* operator->() const { return window_.get(); }

 private:
  T*& ref_;
  std::unique_ptr<T> window_;
};

}  // namespace

int RunProgram(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    if (IsRegistrationSwitch(argv[i])) return 0;
  }

  TApplication app(argc, argv);
  // The title, not a display name: Qt on X11 would append a display name to
  // every window's caption ("ﾊﾞｰｼﾞｮﾝ情報 — Vantrel").
  QApplication::setApplicationName(QLatin1String(kApplicationTitle));
  QGuiApplication::setDesktopFileName(QStringLiteral("vantrel"));
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/vantrel/vantrel.xpm")));
  try {
    // Destroyed in reverse: the About box first, then the main window.
    TWindowRef<TVantrelWin> mainWindow(VantrelWin,
                                       std::make_unique<TVantrelWin>(QApplication::arguments()));
    TWindowRef<TAboutBox> aboutBox(AboutBox, std::make_unique<TAboutBox>());
    mainWindow->show();
    QApplication::exec();
  } catch (const std::exception& error) {
    ShowErrorBox(error);
  }
  return 0;
}

}  // namespace vantrel
