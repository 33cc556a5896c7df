#pragma once

#include <QFile>
#include <QString>
#include <stdexcept>
#include <string>

namespace vantrel::testing {

inline void WriteBytes(const QString& path, const std::string& bytes) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
    throw std::runtime_error("test setup");
  file.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

inline std::string ReadBytes(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return "<unreadable>";
  return file.readAll().toStdString();
}

}  // namespace vantrel::testing
