#include "capture/view_capture.h"

#include "capture/glyph_check.h"
#include "host/channel.h"
#include "host/host_error.h"
#include "host/send_each.h"

namespace orvalis::capture {

namespace {

void Append(std::vector<std::string>& out, std::initializer_list<const char*> lines) {
    for (const char* line : lines) out.emplace_back(line);
}

void DisplayPreparation(std::vector<std::string>& out) {
    Append(out, {"UNDRAW TRANSFORM", "DIALOGS ERROR OFF", "DIALOGS MESSAGE OFF",
                 "VIEW MODEL ; SHADE OFF", "VIEW MODEL ; WIREFRAME ON",
                 "EDIT MODEL ALL COLOUR RGBSELECT RGB 1.00000 1.00000 1.00000",
                 "Deactivate TOOLPATH", "Deactivate Tool"});
}

void CapturePreparation(std::vector<std::string>& out) {
    Append(out, {"UNDRAW Pattern ALL",
                 "UNDRAW BOUNDARY ALL",
                 "UNDRAW FEATURESET ALL",
                 "UNDRAW WORKPLANE ALL",
                 "UNDRAW STOCKMODEL ALL",
                 "UNDRAW TOOLPATH ALL",
                 "UNDRAW TOOL ALL",
                 "DIALOGS MESSAGE ON",
                 "EDIT COLOUR BlockWireframe 1.00000 1.00000 1.00000",
                 "EDIT COLOUR PatternInactive 1.00000 1.00000 1.00000",
                 "UNDRAW Pattern ALL",
                 "VIEW MODEL ; SHADE OFF",
                 "DRAW BLOCK",
                 "EDIT BLOCK DRAWMODE 0",
                 "UNSET  MODLATERALS",
                 "UNSET  MODLONGITS",
                 "DEACTIVATE Pattern",
                 "DIALOGS MESSAGE OFF",
                 "DIALOGS MESSAGE OFF",
                 "DEACTIVATE Pattern",
                 "UNDRAW Pattern ALL"});
}

// One view: what is sent before drawing, the patterns drawn, the view
// command, the patterns hidden again before the bitmap is kept, the file.
struct View {
    std::vector<const char*> before;
    std::vector<const char*> drawn;  // "*ACTIVATE" stands for activating 'BASE-Position'
    const char* view_command;
    std::vector<const char*> hidden;
    const char* file;
};

const std::vector<View>& Views() {
    static const std::vector<View> views = {
        {{},
         {"OUT_LINE", "OUT_LINE-2", "X-MAX", "X-MIN", "Y-MAX", "Y-MIN", "TOP-View", "*ACTIVATE",
          "BASE-Position"},
         "ROTATE TRANSFORM TOP VIEWMILL RESIZEVIEW",
         {"OUT_LINE-2"},
         "Top.bmp"},
        {{"UNDRAW Pattern ALL"},
         {"OUT_LINE", "OUT_LINE-2", "Z-MAX", "Z-MIN", "X-MAX", "X-MIN", "Y-MAX", "Y-MIN",
          "FRONT-View", "BASE-Position"},
         "ROTATE TRANSFORM FRONT VIEWMILL RESIZEVIEW",
         {"OUT_LINE-2", "X-MAX", "X-MIN", "Y-MAX", "Y-MIN", "BASE-Position"},
         "Front.bmp"},
        {{"UNDRAW Pattern ALL"},
         {"OUT_LINE", "OUT_LINE-2", "OUT_LINE-3", "X-MAX", "X-MIN", "Y-MAX", "Y-MIN", "Z-MAX",
          "Z-MIN", "RIGHT-View", "BASE-Position"},
         "ROTATE TRANSFORM RIGHT VIEWMILL RESIZEVIEW",
         {"OUT_LINE-2", "OUT_LINE-3", "X-MAX", "X-MIN", "Y-MAX", "Y-MIN", "Z-MAX", "Z-MIN",
          "BASE-Position"},
         "Right.bmp"},
        {{"UNDRAW BLOCK", "UNDRAW Pattern ALL"},
         {"OUT_LINE-1", "ISO-View"},
         "ROTATE TRANSFORM ISO2 VIEWMILL RESIZEVIEW",
         {},
         "ISO.bmp"},
    };
    return views;
}

void Capture(std::vector<std::string>& out, const View& view) {
    for (const char* line : view.before) out.emplace_back(line);
    for (const char* pattern : view.drawn) {
        if (std::string(pattern) == "*ACTIVATE") {
            out.emplace_back("ACTIVATE Pattern 'BASE-Position'");
        } else {
            out.push_back(std::string("DRAW Pattern '") + pattern + "'");
        }
    }
    out.emplace_back(view.view_command);
    for (const char* pattern : view.hidden) {
        out.push_back(std::string("UNDRAW Pattern '") + pattern + "'");
    }
    // The host takes YES straight after the closing quote.
    out.push_back(std::string("KEEP BITMAP WHITEBG '") + kImageFolder + view.file + "'YES");
}

void CleanUp(std::vector<std::string>& out) {
    Append(out,
           {"DELETE PATTERN 'OUT_LINE'", "DELETE PATTERN 'OUT_LINE-1'",
            "DELETE PATTERN 'OUT_LINE-2'", "DELETE Pattern 'OUT_LINE-3'", "DELETE PATTERN 'X-MAX'",
            "DELETE PATTERN 'X-MIN'", "DELETE PATTERN 'Y-MAX'", "DELETE PATTERN 'Y-MIN'",
            "DELETE PATTERN 'Z-MAX'", "DELETE PATTERN 'Z-MIN'", "DELETE PATTERN 'TOP-View'",
            "DELETE PATTERN 'FRONT-View'", "DELETE PATTERN 'RIGHT-View'",
            "DELETE PATTERN 'ISO-View'", "DELETE PATTERN 'BASE-Position'"});
}

}  // namespace

std::vector<std::string> BitmapFiles() {
    std::vector<std::string> files;
    for (const View& view : Views()) files.push_back(std::string(kImageFolder) + view.file);
    return files;
}

std::vector<std::string> RestoreCommands() {
    return {"REFRESH VIEWMILL RESIZEVIEW",
            "EDIT COLOUR PatternInactive RESET",
            "EDIT COLOUR BlockWireframe RESET",
            "EDIT BLOCK ALL UNLOCK",
            "DRAW TRANSFORM",
            "DIALOGS MESSAGE ON",
            "DIALOGS ERROR ON"};
}

std::vector<std::string> CaptureCommands(const BlockBoxes& boxes, const ScratchList& scratch) {
    LabelScales scales = ScalesFor(boxes);
    std::vector<std::string> out;
    DisplayPreparation(out);
    for (auto& line : AnnotationCommands(boxes, scales, scratch)) out.push_back(std::move(line));
    CapturePreparation(out);
    for (const View& view : Views()) Capture(out, view);
    CleanUp(out);
    for (auto& line : RestoreCommands()) out.push_back(std::move(line));
    return out;
}

std::optional<CaptureFailure> RunCapture(host::HostChannel& pm, const BlockBoxes& boxes,
                                         const ScratchList& scratch) {
    std::vector<std::string> commands = CaptureCommands(boxes, scratch);
    // Before anything reaches the host: a label drawn from a damaged glyph
    // would put a wrong limit on the operator's picture.
    CheckGlyphFiles(InsertedGlyphFiles(commands));
    try {
        pm.Connect();
        for (const auto& line : commands) pm.RunCommand(line);
        return std::nullopt;
    } catch (const host::HostError& error) {
        // Put the display and the dialogs back, each line even when one is
        // refused; a host that is gone refuses them all, and the user is told.
        bool restored = !host::SendEach(pm, RestoreCommands());
        return CaptureFailure{error.command(), error.what(), restored};
    }
}

}  // namespace orvalis::capture
