// The file text of the line list: split, join, and saving what was loaded
// then loading it again gives the same lines.
#include <cstdint>
#include <string>
#include <string_view>

#include "document/linestore.h"
#include "tests/fuzz/fuzz_check.h"

using vantrel::TLineStore;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const TLineStore loaded = TLineStore::FromFileText(bytes);

  std::size_t length = 0;
  for (std::size_t i = 0; i < loaded.Size(); ++i) {
    const std::string_view line = loaded.Line(i);
    FUZZ_CHECK(line.find_first_of(std::string_view("\r\n\0", 3)) == std::string_view::npos);
    length += line.size() + 1;
  }
  // Every line came from the text before the first NUL, and no line was made
  // out of nothing: there are at most as many lines as line ends plus one.
  const std::string_view text(bytes.data(), std::min(bytes.find('\0'), bytes.size()));
  std::size_t ends = 0;
  for (char c : text) ends += (c == '\r' || c == '\n');
  FUZZ_CHECK(loaded.Size() <= ends + 1);
  FUZZ_CHECK(text.empty() == (loaded.Size() == 0));

  const std::string saved = loaded.FileText();
  FUZZ_CHECK(saved.size() == length);
  FUZZ_CHECK(saved.empty() || saved.back() == '\n');

  const TLineStore reloaded = TLineStore::FromFileText(saved);
  FUZZ_CHECK(reloaded.Size() == loaded.Size());
  for (std::size_t i = 0; i < loaded.Size(); ++i) FUZZ_CHECK(reloaded.Line(i) == loaded.Line(i));
  FUZZ_CHECK(reloaded.FileText() == saved);
  return 0;
}
