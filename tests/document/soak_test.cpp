// Thousands of random loads, edits and saves: after every save the file on
// disk is exactly the list's lines, each followed by LF.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <random>
#include <vector>
#include "document/listbox.h"

#include "document/cronlinelist.h"
#include "tests/support/file_bytes.h"

namespace vantrel {
namespace {

using testing::ReadBytes;
using testing::WriteBytes;

std::string RandomLine(std::mt19937& random) {
  static const char* const pieces[] = {"0",    "*/5", " ", "\t",   "日本", "\x82\xa0",
                                       "echo", "%",   "#", "\xff", "1-5",  "a"};
  std::string line;
  const auto count = random() % 8;
  for (unsigned i = 0; i < count; ++i) line += pieces[random() % std::size(pieces)];
  return line;
}

TEST(Soak, RandomLoadsEditsAndSavesNeverLoseALine) {
  QTemporaryDir dir;
  TListBox view;
  TCronLineList list(view);
  std::mt19937 random(20261211);
  std::vector<std::string> model;  // what the list must hold
  const QString file = dir.filePath("soak.crn");

  for (int round = 0; round < 3000; ++round) {
    switch (random() % 6) {
      case 0: {  // load a random file with one of the three kinds of line end
        static const char* const ends[] = {"\n", "\r\n", "\r"};
        const char* const end = ends[random() % 3];
        std::string bytes;
        model.clear();
        for (auto n = random() % 20; n > 0; --n) {
          model.push_back(RandomLine(random));
          bytes += model.back() + end;
        }
        WriteBytes(file, bytes);
        list.LoadCronFile(file);
        break;
      }
      case 1:
      case 2:
        model.push_back(RandomLine(random));
        list.AppendLine(model.back());
        break;
      case 3:
        if (!model.empty()) {
          const auto at = random() % model.size();
          model[at] = RandomLine(random);
          list.ReplaceLine(static_cast<int>(at), model[at]);
        }
        break;
      case 4:
        if (!model.empty()) {
          const auto at = random() % model.size();
          model.erase(model.begin() + static_cast<std::ptrdiff_t>(at));
          list.DeleteLine(static_cast<int>(at));
        }
        break;
      default: {
        list.SaveCronFile(file);
        std::string expected;
        for (const auto& line : model) expected += line + "\n";
        ASSERT_EQ(ReadBytes(file), expected) << "round " << round;
        break;
      }
    }
    ASSERT_EQ(list.LineCount(), static_cast<int>(model.size())) << "round " << round;
  }
}

}  // namespace
}  // namespace vantrel
