#pragma once

#include <string>
#include <string_view>

namespace tarvo {

// Whole-file reading and writing for the text files the program rewrites at once
// (satellite files, tarvo.ini). File names are program text (see FilePath).

// The bytes of a file. Throws FileOpenError when it cannot be opened (no name, missing,
// a folder, a device or a pipe, no access) and FileReadError when reading fails,
// running out of memory included.
std::string ReadWholeFile(std::string_view fileName);

// Replaces the contents of a file with `bytes` so that nothing is ever half-written:
// the bytes go to a new file in the same folder, which is flushed to disk and then
// renamed over the old one. A symbolic link keeps pointing where it did: the file it
// points to is the one replaced. An existing file keeps its permission bits; a
// read-only one (no write bit at all, whoever runs the program) is refused rather
// than replaced, and so is anything that is not a plain file. A writable file in a
// folder that takes no new file is rewritten in place instead.
// Throws FileWriteError with the reason; the old file is then untouched and the
// temporary file removed.
void WriteWholeFile(std::string_view fileName, std::string_view bytes);

// Copies the file `from` to `to` the same way: the copy is made as a new file beside
// `to` and renamed into place only when it is complete, so a failure leaves an existing
// `to` as it was and no part-copy behind. `from` is only read.
// Throws FileOpenError or FileReadError when `from` cannot be read, FileWriteError when
// `to` cannot be written, each with the reason.
void CopyWholeFile(std::string_view from, std::string_view to);

}  // namespace tarvo
