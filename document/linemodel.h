#pragma once

#include <QAbstractListModel>

#include "document/linestore.h"

namespace vantrel {

// The list control's items: the document's lines, held once, as bytes. A line
// is decoded for display only when the view asks for it.
class TLineModel : public QAbstractListModel {
  Q_OBJECT

 public:
  using QAbstractListModel::QAbstractListModel;

  int rowCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;

  const TLineStore& Store() const { return store_; }

  void Append(std::string_view line);
  void Replace(int row, std::string_view line);
  void Erase(int row);
  void Reset(TLineStore store);

 private:
  TLineStore store_;
};

}  // namespace vantrel
