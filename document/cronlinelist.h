#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace vantrel {

class TLineModel;
class TListBox;

// The document: the lines held by the list control, with the control's
// selection. Only the user selects a line; every change made here leaves
// none selected.
class TCronLineList {
 public:
  // Gives the list control its model of lines.
  explicit TCronLineList(TListBox& view);

  int LineCount() const;
  int SelectedIndex() const;  // -1 when none
  std::string LineAt(int index) const;

  void AppendLine(std::string_view line);
  void ReplaceLine(int index, std::string_view line);
  void DeleteLine(int index);  // -1 or past the end: nothing happens
  void ClearLines();

  // Every line followed by LF, sized exactly before it is filled.
  std::string GetFileText() const;
  // Replaces every line by the lines split from a file's bytes.
  void SetFileText(std::string bytes);

  void LoadCronFile(const QString& fileName);
  void SaveCronFile(const QString& fileName) const;

  // Redrawing stops while at least one update is open; the last close repaints once.
  void BeginUpdate();
  void EndUpdate();

 private:
  void ClearSelection();

  TListBox& view_;
  TLineModel* model_;  // owned by the view
  int updateDepth_ = 0;
};

// Holds redrawing off for a scope, also when the scope ends by an exception.
class TUpdateGuard {
 public:
  explicit TUpdateGuard(TCronLineList& list) : list_(list) { list_.BeginUpdate(); }
  ~TUpdateGuard() { list_.EndUpdate(); }
  TUpdateGuard(const TUpdateGuard&) = delete;
  TUpdateGuard& operator=(const TUpdateGuard&) = delete;

 private:
  TCronLineList& list_;
};

}  // namespace vantrel
