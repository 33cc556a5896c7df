#include "document/linestore.h"

#include <cstring>
#include <new>

namespace vantrel {

namespace {

// Finds line ends front to back. It remembers the next CR and the next LF it
// has seen, so each byte is searched once: looking afresh for an LF from
// every line of a file that has only CRs would scan the rest of the file
// once per line.
class TLineEndFinder {
 public:
  TLineEndFinder(const char* begin, const char* end)
      : end_(end), cr_(Find(begin, '\r')), lf_(Find(begin, '\n')) {}

  // The first CR or LF in [from, end), or end.
  const char* Next(const char* from) {
    if (cr_ < from) cr_ = Find(from, '\r');
    if (lf_ < from) lf_ = Find(from, '\n');
    return cr_ < lf_ ? cr_ : lf_;
  }

 private:
  const char* Find(const char* from, char c) const {
    const void* found = std::memchr(from, c, static_cast<std::size_t>(end_ - from));
    return found ? static_cast<const char*>(found) : end_;
  }

  const char* end_;
  const char* cr_;  // the next CR not yet passed, or end_
  const char* lf_;
};

std::size_t CountLineEnds(const char* from, const char* end) {
  std::size_t count = 0;
  for (const char* p = from; p < end; ++p) count += (*p == '\n') | (*p == '\r');
  return count;
}

}  // namespace

TLineStore TLineStore::FromFileText(std::string bytes) {
  TLineStore store;
  const char* const begin = bytes.data();
  const char* const nul = static_cast<const char*>(std::memchr(begin, '\0', bytes.size()));
  const char* const end = nul ? nul : begin + bytes.size();

  // Room for every line at once: growing the table as it fills would copy it
  // and, for a moment, hold it twice. Room that CR LF pairs leave unused is
  // never touched, so it costs address space only.
  store.refs_.reserve(CountLineEnds(begin, end) + 1);
  TLineEndFinder lineEnds(begin, end);
  const char* p = begin;
  while (p < end) {
    const char* q = lineEnds.Next(p);
    store.refs_.push_back({static_cast<std::size_t>(p - begin), static_cast<std::size_t>(q - p)});
    if (q < end && *q == '\r') ++q;
    if (q < end && *q == '\n') ++q;
    p = q;
  }
  store.base_ = std::move(bytes);
  return store;
}

std::string_view TLineStore::Line(std::size_t index) const {
  const Ref& ref = refs_.at(index);
  if (ref.offset & kSideBit) return {side_.data() + (ref.offset & ~kSideBit), ref.length};
  return {base_.data() + ref.offset, ref.length};
}

TLineStore::Ref TLineStore::AddToSide(std::string_view line) {
  const Ref ref{side_.size() | kSideBit, line.size()};
  side_.append(line);
  sideLive_ += line.size();
  return ref;
}

void TLineStore::Release(const Ref& ref) {
  if (ref.offset & kSideBit) sideLive_ -= ref.length;
}

void TLineStore::ReserveForAppend(std::size_t bytes) {
  if (refs_.size() == refs_.capacity()) refs_.reserve(refs_.size() + refs_.size() / 2 + 16);
  if (side_.capacity() - side_.size() < bytes)
    side_.reserve(side_.size() + side_.size() / 2 + bytes);
}

void TLineStore::Append(std::string_view line) {
  ReserveForAppend(line.size());
  refs_.push_back(AddToSide(line));
}

void TLineStore::Replace(std::size_t index, std::string_view line) {
  Ref& slot = refs_.at(index);
  const Ref old = slot;
  slot = AddToSide(line);
  Release(old);
  CompactSideIfWasteful();
}

void TLineStore::Erase(std::size_t index) {
  Release(refs_.at(index));
  refs_.erase(refs_.begin() + static_cast<std::ptrdiff_t>(index));
  CompactSideIfWasteful();
}

// Replaced and deleted lines leave dead bytes in the side buffer; once they
// outweigh the live ones, the live lines are copied into a fresh buffer.
void TLineStore::CompactSideIfWasteful() noexcept {
  const std::size_t dead = side_.size() - sideLive_;
  if (dead < (std::size_t{1} << 20) || dead < sideLive_) return;
  std::string fresh;
  try {
    fresh.reserve(sideLive_);
  } catch (const std::bad_alloc&) {
    return;  // compacting is only a saving: the lines are whole as they are
  }
  for (Ref& ref : refs_) {
    if (!(ref.offset & kSideBit)) continue;
    const std::size_t at = fresh.size();
    fresh.append(side_, ref.offset & ~kSideBit, ref.length);
    ref.offset = at | kSideBit;
  }
  side_ = std::move(fresh);
}

std::string TLineStore::FileText() const {
  std::size_t length = 0;
  for (const Ref& ref : refs_) length += ref.length + 1;
  std::string text;
  text.reserve(length);
  for (std::size_t i = 0; i < refs_.size(); ++i) {
    text.append(Line(i));
    text.push_back('\n');
  }
  return text;
}

}  // namespace vantrel
