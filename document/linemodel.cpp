#include "document/linemodel.h"

#include <utility>

namespace vantrel {

namespace {

// A row never shows more than this many bytes: enough to fill any screen, and
// a line of megabytes costs no more to paint than a short one.
constexpr std::size_t kShownBytes = 2048;

std::string_view ShownPart(std::string_view line) {
  if (line.size() <= kShownBytes) return line;
  std::size_t cut = kShownBytes;
  // Do not end inside a UTF-8 sequence: back off over continuation bytes.
  while (cut > kShownBytes - 4 && (static_cast<unsigned char>(line[cut]) & 0xC0) == 0x80) --cut;
  return line.substr(0, cut);
}

}  // namespace

int TLineModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(store_.Size());
}

QVariant TLineModel::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount()) return {};
  const std::string_view shown = ShownPart(store_.Line(static_cast<std::size_t>(index.row())));
  // Invalid bytes show as replacement characters; the stored bytes stay as they are.
  return QString::fromUtf8(shown.data(), static_cast<qsizetype>(shown.size()));
}

void TLineModel::Append(std::string_view line) {
  const int row = rowCount();
  store_.ReserveForAppend(line.size());  // may throw; nothing has changed yet
  beginInsertRows({}, row, row);
  store_.Append(line);
  endInsertRows();
}

void TLineModel::Replace(int row, std::string_view line) {
  store_.Replace(static_cast<std::size_t>(row), line);
  const QModelIndex changed = index(row);
  emit dataChanged(changed, changed, {Qt::DisplayRole});
}

void TLineModel::Erase(int row) {
  beginRemoveRows({}, row, row);
  store_.Erase(static_cast<std::size_t>(row));
  endRemoveRows();
}

void TLineModel::Reset(TLineStore store) {
  beginResetModel();
  store_ = std::move(store);
  endResetModel();
}

}  // namespace vantrel
