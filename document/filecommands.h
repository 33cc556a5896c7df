#pragma once

namespace vantrel {

class TCronLineList;
class TOpenDialog;
class TSaveDialog;

// File > Open: the confirmed path becomes the current file name (the open
// dialog's FileName) before the file is read, so it stays even when the load fails.
void OpenCommand(TOpenDialog& openDialog, TCronLineList& lines);

// File > Save: to the current file name, or through Save As while there is none.
void SaveCommand(const TOpenDialog& openDialog, TSaveDialog& saveDialog, TCronLineList& lines);

// File > Save As: the save dialog starts from the current file name; the path
// chosen serves this one save and never becomes the current file name.
void SaveAsCommand(const TOpenDialog& openDialog, TSaveDialog& saveDialog, TCronLineList& lines);

}  // namespace vantrel
