#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include "document/listbox.h"

#include "tests/support/fake_prompts.h"
#include "ui/errorbox.h"
#include "ui/vantrelwin.h"

namespace vantrel::testing {

// A shown main window with the user stood in for by TFakePrompts.
class WindowTest : public ::testing::Test {
 protected:
  explicit WindowTest(QStringList arguments = {QStringLiteral("vantrel")})
      : window(std::move(arguments)) {
    QApplication::setApplicationName(QLatin1String(kApplicationTitle));
  }
  void SetUp() override {
    window.show();
    QApplication::processEvents();
  }

  std::vector<std::string> AllLines() {
    std::vector<std::string> lines;
    for (int i = 0; i < window.Lines().LineCount(); ++i) lines.push_back(window.Lines().LineAt(i));
    return lines;
  }
  void Select(int row) { window.CronLine->SelectRow(row); }

  TFakePrompts user;
  TVantrelWin window;
};

}  // namespace vantrel::testing
