#pragma once

#include <string>
#include <vector>

#include "platform/file_error.h"

namespace orvalis::capture {

// A glyph file the labels cannot be built from. The host would draw nothing
// or something else in its place, and the pictures would show wrong limits.
class GlyphFileError : public FileError {
  public:
    using FileError::FileError;
};

// The glyph files that `commands` insert (drive paths in the font folder),
// each once, in the order first inserted.
std::vector<std::string> InsertedGlyphFiles(const std::vector<std::string>& commands);

// Throws GlyphFileError, naming the file as this machine has it, for the
// first of `files` that cannot be read as a glyph: missing, no regular file,
// larger than 16 MB, unreadable, not a pattern file, or one that draws nothing.
void CheckGlyphFiles(const std::vector<std::string>& files);

}  // namespace orvalis::capture
