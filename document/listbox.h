#pragma once

#include <QAbstractItemView>

namespace vantrel {

// A single-column list of rows of one fixed height, as a list box shows its
// lines. Every edit costs the same whatever the number of rows: the view
// keeps no per-row state, so a million lines cost no more than a hundred.
// It scrolls by whole rows and clips long lines at its right edge.
class TListBox : public QAbstractItemView {
  Q_OBJECT

 public:
  explicit TListBox(QWidget* parent = nullptr);

  void SetRowHeight(int height);
  // Selects the row and makes it current, as a click on it does.
  void SelectRow(int row);

  QRect visualRect(const QModelIndex& index) const override;
  void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;
  QModelIndex indexAt(const QPoint& point) const override;
  void setModel(QAbstractItemModel* model) override;
  void reset() override;

 protected:
  QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
  int horizontalOffset() const override { return 0; }
  int verticalOffset() const override;
  bool isIndexHidden(const QModelIndex&) const override { return false; }
  void setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags command) override;
  QRegion visualRegionForSelection(const QItemSelection& selection) const override;
  void updateGeometries() override;
  void paintEvent(QPaintEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;
  void rowsInserted(const QModelIndex& parent, int start, int end) override;

 private:
  int RowCount() const;
  int FirstShownRow() const;
  int RowsThatFit() const;  // whole rows in the viewport, at least 1
  int RowAt(int y) const;   // may be past the last row
  void RowCountChanged();

  int rowHeight_ = 12;
  QMetaObject::Connection rowsRemoved_;
};

}  // namespace vantrel
