#include "document/filecommands.h"

#include "document/cronlinelist.h"
#include "document/filedialogs.h"

namespace vantrel {

void OpenCommand(TOpenDialog& openDialog, TCronLineList& lines) {
  if (!openDialog.Execute()) return;
  lines.LoadCronFile(openDialog.FileName);
}

void SaveCommand(const TOpenDialog& openDialog, TSaveDialog& saveDialog, TCronLineList& lines) {
  if (openDialog.FileName.isEmpty()) {
    SaveAsCommand(openDialog, saveDialog, lines);
    return;
  }
  lines.SaveCronFile(openDialog.FileName);
}

void SaveAsCommand(const TOpenDialog& openDialog, TSaveDialog& saveDialog, TCronLineList& lines) {
  saveDialog.FileName = openDialog.FileName;
  if (!saveDialog.Execute()) return;
  lines.SaveCronFile(saveDialog.FileName);
}

}  // namespace vantrel
