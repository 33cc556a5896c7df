#include "document/errors.h"

namespace vantrel {

std::string FileMessage(std::string_view pattern, const QString& fileName) {
  std::string message(pattern);
  const auto at = message.find("%s");
  if (at != std::string::npos) message.replace(at, 2, fileName.toUtf8().toStdString());
  return message;
}

}  // namespace vantrel
