#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

// The lines of the document as bytes. A loaded file stays in one buffer and
// each line is an offset and a length into it; lines added or replaced later
// go to a side buffer. No line is copied on load and none is held twice.
class TLineStore {
 public:
  // Splits file bytes into lines: CR LF, CR alone and LF alone each end a
  // line, and the text ends at its end or its first NUL byte.
  static TLineStore FromFileText(std::string bytes);

  std::size_t Size() const { return refs_.size(); }
  std::string_view Line(std::size_t index) const;

  // Makes room for one more line of `bytes`, so that the Append that follows
  // cannot fail for want of memory.
  void ReserveForAppend(std::size_t bytes);
  void Append(std::string_view line);
  void Replace(std::size_t index, std::string_view line);
  void Erase(std::size_t index);

  // The file's bytes: every line followed by LF, built in one exact allocation.
  std::string FileText() const;

 private:
  struct Ref {
    std::size_t offset;  // kSideBit set: into side_, else into base_
    std::size_t length;
  };
  static constexpr std::size_t kSideBit = std::size_t{1} << (sizeof(std::size_t) * 8 - 1);

  Ref AddToSide(std::string_view line);
  void Release(const Ref& ref);
  void CompactSideIfWasteful() noexcept;  // runs inside model updates: must not throw

  std::string base_;
  std::string side_;
  std::size_t sideLive_ = 0;  // bytes of side_ that live lines still use
  std::vector<Ref> refs_;
};

}  // namespace vantrel
