#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "capture/block_boxes.h"
#include "capture/extent_annotation.h"

namespace orvalis::host {
class HostChannel;
}

namespace orvalis::capture {

// Where the host keeps the four view bitmaps.
inline constexpr const char* kImageFolder = "C:\\TARVEL\\ORVALIS\\IMAGE\\";

// Every command line of a capture run after its Connect, in order: display
// set-up, the extent labels and view titles, the four views each kept as a
// bitmap, deleting the patterns used, and restoring the display.
std::vector<std::string> CaptureCommands(const BlockBoxes& boxes, const ScratchList& scratch = {});

// The lines that put the host's display and dialogs back; sent at the end of
// every run, and also after a run that failed part-way.
std::vector<std::string> RestoreCommands();

// The four bitmap files, in the order the run keeps them.
std::vector<std::string> BitmapFiles();

struct CaptureFailure {
    std::string command;    // the call that failed, as the transcript writes it
    std::string reason;     // what the host said
    bool restored = false;  // whether the restore lines could all be sent after it
};

// Connects and sends the capture run. A glyph file the labels cannot be built
// from stops it before anything is sent (GlyphFileError). On a failing call
// the run stops there, the restore lines are still tried, and what failed is
// returned.
std::optional<CaptureFailure> RunCapture(host::HostChannel& pm, const BlockBoxes& boxes,
                                         const ScratchList& scratch = {});

}  // namespace orvalis::capture
