#pragma once

#include <QString>
#include <functional>
#include <string>
#include <string_view>

namespace vantrel {

// Reads a whole regular file under an exclusive lock. Throws EFOpenError when
// the file cannot be opened, is not a regular file or is locked by another
// process, and EReadError when the read fails or comes up short.
std::string ReadCronFile(const QString& fileName);

// Replaces the file with `text` so that the old file stays whole until the new
// one is complete: a temporary file beside it is written, synced and renamed
// over it. The file's permission bits, and where allowed its owner, are kept;
// a symbolic link is followed to its target. Throws EFCreateError when the
// file cannot be created (or is locked by another process) and EWriteError
// when writing fails.
void WriteCronFile(const QString& fileName, std::string_view text);

// Runs `hook` between the size check and the read of every later ReadCronFile
// (nothing when empty): lets tests change a file under a load.
void SetBeforeReadHookForTesting(std::function<void()> hook);

}  // namespace vantrel
