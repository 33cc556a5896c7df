#include "document/filedialogs.h"

#include <QFileInfo>

#include "document/prompts.h"

namespace vantrel {

bool TFileDialog::Execute() {
  const auto answer = Prompts().AskFile({save_, FileName, Filter, FilterIndex, DefaultExt});
  if (!answer || answer->FileName.isEmpty()) return false;
  FileName = answer->FileName;
  FilterIndex = answer->FilterIndex;
  if (save_ && !DefaultExt.isEmpty() && QFileInfo(FileName).suffix().isEmpty() &&
      !FileName.endsWith(QLatin1Char('.'))) {
    FileName += QLatin1Char('.') + DefaultExt;
  }
  return true;
}

}  // namespace vantrel
