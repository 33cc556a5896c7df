#include "document/cronlinelist.h"

#include <climits>
#include <new>

#include "document/cronfile.h"
#include "document/errors.h"
#include "document/linemodel.h"
#include "document/listbox.h"

namespace vantrel {

namespace {

constexpr int kRowHeight = 12;

[[noreturn]] void ThrowInsertError() {
  throw EOutOfResources(std::string(kInsertErrorMessage));
}

}  // namespace

TCronLineList::TCronLineList(TListBox& view) : view_(view), model_(new TLineModel(&view)) {
  view_.SetRowHeight(kRowHeight);
  view_.setModel(model_);
}

int TCronLineList::LineCount() const {
  return model_->rowCount();
}

int TCronLineList::SelectedIndex() const {
  const QItemSelection selection = view_.selectionModel()->selection();
  return selection.isEmpty() ? -1 : selection.first().top();
}

std::string TCronLineList::LineAt(int index) const {
  if (index < 0 || index >= LineCount()) throw EStringListError(std::string(kIndexErrorMessage));
  return std::string(model_->Store().Line(static_cast<std::size_t>(index)));
}

void TCronLineList::AppendLine(std::string_view line) {
  if (LineCount() == INT_MAX) ThrowInsertError();
  try {
    model_->Append(line);
  } catch (const std::bad_alloc&) {
    ThrowInsertError();
  }
}

void TCronLineList::ReplaceLine(int index, std::string_view line) {
  if (index < 0 || index >= LineCount()) throw EStringListError(std::string(kIndexErrorMessage));
  try {
    model_->Replace(index, line);
  } catch (const std::bad_alloc&) {
    ThrowInsertError();
  }
  ClearSelection();
}

void TCronLineList::DeleteLine(int index) {
  if (index < 0 || index >= LineCount()) return;
  model_->Erase(index);
  ClearSelection();
}

void TCronLineList::ClearLines() {
  model_->Reset(TLineStore{});
}

std::string TCronLineList::GetFileText() const {
  return model_->Store().FileText();
}

void TCronLineList::SetFileText(std::string bytes) {
  TUpdateGuard noRedraw(*this);
  TLineStore store;
  try {
    store = TLineStore::FromFileText(std::move(bytes));
  } catch (const std::bad_alloc&) {
    ThrowInsertError();
  }
  if (store.Size() > static_cast<std::size_t>(INT_MAX)) ThrowInsertError();
  // The old lines go only once the new ones are all split: a failure above
  // leaves the list as it was.
  model_->Reset(std::move(store));
}

void TCronLineList::LoadCronFile(const QString& fileName) {
  TUpdateGuard noRedraw(*this);
  SetFileText(ReadCronFile(fileName));
}

void TCronLineList::SaveCronFile(const QString& fileName) const {
  std::string text;
  try {
    text = GetFileText();
  } catch (const std::bad_alloc&) {
    throw EWriteError(std::string(kWriteErrorMessage));  // nothing was written
  }
  WriteCronFile(fileName, text);
}

void TCronLineList::BeginUpdate() {
  if (updateDepth_++ == 0) view_.setUpdatesEnabled(false);
}

void TCronLineList::EndUpdate() {
  if (--updateDepth_ == 0) view_.setUpdatesEnabled(true);  // schedules one repaint
}

void TCronLineList::ClearSelection() {
  view_.selectionModel()->clearSelection();
}

}  // namespace vantrel
