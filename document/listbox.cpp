#include "document/listbox.h"

#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

namespace vantrel {

TListBox::TListBox(QWidget* parent) : QAbstractItemView(parent) {
  setSelectionMode(SingleSelection);
  setSelectionBehavior(SelectRows);
  setEditTriggers(NoEditTriggers);
  setTabKeyNavigation(false);
  setTextElideMode(Qt::ElideNone);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollMode(ScrollPerItem);
}

void TListBox::SetRowHeight(int height) {
  rowHeight_ = std::max(1, height);
  updateGeometries();
  viewport()->update();
}

void TListBox::SelectRow(int row) {
  if (!model() || row < 0 || row >= RowCount()) return;
  selectionModel()->setCurrentIndex(model()->index(row, 0), QItemSelectionModel::ClearAndSelect);
}

void TListBox::setModel(QAbstractItemModel* newModel) {
  disconnect(rowsRemoved_);
  QAbstractItemView::setModel(newModel);
  // The base class has no hook for a removal that has happened.
  if (newModel) {
    rowsRemoved_ =
        connect(newModel, &QAbstractItemModel::rowsRemoved, this, [this] { RowCountChanged(); });
  }
  RowCountChanged();
}

void TListBox::reset() {
  QAbstractItemView::reset();
  RowCountChanged();
}

void TListBox::rowsInserted(const QModelIndex& parent, int start, int end) {
  QAbstractItemView::rowsInserted(parent, start, end);
  RowCountChanged();
}

void TListBox::RowCountChanged() {
  updateGeometries();
  viewport()->update();
}

int TListBox::RowCount() const {
  return model() ? model()->rowCount(rootIndex()) : 0;
}

int TListBox::FirstShownRow() const {
  return verticalScrollBar()->value();
}

int TListBox::RowsThatFit() const {
  return std::max(1, viewport()->height() / rowHeight_);
}

int TListBox::RowAt(int y) const {
  return FirstShownRow() + (y < 0 ? -1 : y / rowHeight_);
}

int TListBox::verticalOffset() const {
  return FirstShownRow() * rowHeight_;
}

QRect TListBox::visualRect(const QModelIndex& index) const {
  if (!index.isValid()) return {};
  return {0, (index.row() - FirstShownRow()) * rowHeight_, viewport()->width(), rowHeight_};
}

QModelIndex TListBox::indexAt(const QPoint& point) const {
  const int row = RowAt(point.y());
  if (!model() || row < 0 || row >= RowCount() || point.x() < 0 ||
      point.x() >= viewport()->width()) {
    return {};
  }
  return model()->index(row, 0, rootIndex());
}

void TListBox::scrollTo(const QModelIndex& index, ScrollHint hint) {
  if (!index.isValid()) return;
  const int row = index.row();
  const int first = FirstShownRow();
  const int fit = RowsThatFit();
  switch (hint) {
    case PositionAtTop:
      verticalScrollBar()->setValue(row);
      break;
    case PositionAtBottom:
      verticalScrollBar()->setValue(row - fit + 1);
      break;
    case PositionAtCenter:
      verticalScrollBar()->setValue(row - fit / 2);
      break;
    case EnsureVisible:
      if (row < first) {
        verticalScrollBar()->setValue(row);
      } else if (row >= first + fit) {
        verticalScrollBar()->setValue(row - fit + 1);
      }
      break;
  }
}

QModelIndex TListBox::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers) {
  const int count = RowCount();
  if (count == 0) return {};
  const QModelIndex current = currentIndex();
  if (!current.isValid()) return model()->index(0, 0, rootIndex());
  int row = current.row();
  switch (cursorAction) {
    case MoveUp:
    case MovePrevious:
      --row;
      break;
    case MoveDown:
    case MoveNext:
      ++row;
      break;
    case MovePageUp:
      row -= RowsThatFit();
      break;
    case MovePageDown:
      row += RowsThatFit();
      break;
    case MoveHome:
      row = 0;
      break;
    case MoveEnd:
      row = count - 1;
      break;
    case MoveLeft:
    case MoveRight:
      break;
  }
  return model()->index(std::clamp(row, 0, count - 1), 0, rootIndex());
}

void TListBox::setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags command) {
  const int count = RowCount();
  if (count == 0) return;
  const int top = std::clamp(RowAt(std::min(rect.top(), rect.bottom())), 0, count - 1);
  const int bottom = std::clamp(RowAt(std::max(rect.top(), rect.bottom())), 0, count - 1);
  const QItemSelection selection(model()->index(top, 0, rootIndex()),
                                 model()->index(bottom, 0, rootIndex()));
  selectionModel()->select(selection, command);
}

QRegion TListBox::visualRegionForSelection(const QItemSelection& selection) const {
  QRegion region;
  const int first = FirstShownRow();
  const int last = first + RowsThatFit();
  for (const QItemSelectionRange& range : selection) {
    const int top = std::max(range.top(), first);
    const int bottom = std::min(range.bottom(), last);
    if (top > bottom) continue;
    region +=
        QRect(0, (top - first) * rowHeight_, viewport()->width(), (bottom - top + 1) * rowHeight_);
  }
  return region;
}

void TListBox::updateGeometries() {
  const int fit = RowsThatFit();
  verticalScrollBar()->setSingleStep(1);
  verticalScrollBar()->setPageStep(fit);
  verticalScrollBar()->setRange(0, std::max(0, RowCount() - fit));
  QAbstractItemView::updateGeometries();
}

void TListBox::scrollContentsBy(int, int) {
  viewport()->update();
}

void TListBox::paintEvent(QPaintEvent* event) {
  if (!model()) return;
  QPainter painter(viewport());
  QStyleOptionViewItem option;
  initViewItemOption(&option);
  const int count = RowCount();
  const int first = FirstShownRow();
  const int last = std::min(count - 1, RowAt(event->rect().bottom()));
  const QModelIndex current = currentIndex();
  const QItemSelectionModel* selection = selectionModel();
  for (int row = std::max(first, RowAt(event->rect().top())); row <= last; ++row) {
    const QModelIndex index = model()->index(row, 0, rootIndex());
    QStyleOptionViewItem rowOption = option;
    rowOption.rect = visualRect(index);
    if (selection && selection->isSelected(index)) rowOption.state |= QStyle::State_Selected;
    if (index == current && hasFocus()) rowOption.state |= QStyle::State_HasFocus;
    itemDelegateForIndex(index)->paint(&painter, rowOption, index);
  }
}

}  // namespace vantrel
