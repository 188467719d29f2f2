#include "capture/extent_annotation.h"

#include "capture/leading_number.h"
#include "host/number_text.h"

namespace orvalis::capture {

namespace {

using host::NumberText;

const std::string kWorkplane =
    "TRANSFORM RESET TRANSFORM TYPE WORKPLANE TRANSFORM PATTERN SELECTED SELECTED";
const std::string kMove = "TRANSFORM RESET TRANSFORM TYPE MOVE TRANSFORM ";

enum class Axis { kX, kY, kZ };

// Everything that tells one label from another.
struct Label {
    std::string pattern;
    Axis axis;
    bool is_max;
    std::string letter_file;
    const std::string* number;
    std::string sign_offset;
    double first_pen;
    std::string marker_file;
    const std::string* move_x;
    const std::string* move_y;
    const std::string* move_z;
};

class LabelWriter {
  public:
    LabelWriter(std::vector<std::string>& out, const Label& label) : out_(out), label_(label) {}

    void Write(double scale, const ScratchList& scratch) {
        const std::string& p = label_.pattern;
        Send("Delete Pattern '" + p + "'");
        Send("CREATE PATTERN '" + p + "'");
        Insert(label_.letter_file);
        Select();
        bool negative = !label_.number->empty() && (*label_.number)[0] == '-';
        Insert(negative ? "MINUS.pic" : "PLUS.PIC");
        Select();
        Transformed(kMove + "MOVEX " + label_.sign_offset);
        double pen = WriteDigits(negative ? label_.number->substr(1) : *label_.number, scratch);
        Offset(pen + 1.5);
        Send("EDIT Pattern '" + p + "' INSERT FILE  '" + kFontFolder + label_.marker_file + "'");
        Select();
        Send("EDIT PATTERN '" + p + "' DESELECT ALL");
        if (label_.axis == Axis::kZ) {
            Transformed("TRANSFORM RESET TRANSFORM TYPE ROTATEX TRANSFORM ANGLE 90");
        }
        Transformed("TRANSFORM RESET TRANSFORM TYPE SCALEALL TRANSFORM SCALEVALUE " +
                    NumberText(scale));
        Transformed(kMove + "MOVEX " + *label_.move_x);
        Transformed(kMove + "MOVEY " + *label_.move_y);
        Transformed(kMove + "MOVEZ " + *label_.move_z);
    }

  private:
    void Send(std::string line) { out_.push_back(std::move(line)); }
    void Insert(const std::string& file) {
        Send("Edit Pattern '" + label_.pattern + "' INSERT FILE  '" + kFontFolder + file + "'");
    }
    // Selects what the last insertion added and sets it on the workplane.
    void Select() {
        Send("EXPLORER SELECT Pattern '" + label_.pattern + "' NEW");
        Send(kWorkplane);
    }
    // A transform set-up, then its application to the selection.
    void Transformed(std::string setup) {
        Send(std::move(setup));
        Send("TRANSFORM PATTERN '" + label_.pattern + "' SELECTED");
    }

    // One glyph per digit or point, each moved to the pen; returns the final pen.
    double WriteDigits(const std::string& body, const ScratchList& scratch) {
        std::vector<std::string> characters;
        for (char c : body) characters.emplace_back(1, c);
        if (scratch) scratch(characters);
        double pen = label_.first_pen;
        for (char c : body) {
            if (c >= '0' && c <= '9') {
                Insert(std::string("NUMBER-") + c + ".PIC");
            } else if (c == '.') {
                Insert("DOT.PIC");
            } else {
                continue;  // no glyph for it: nothing drawn, the pen stays
            }
            Select();
            Transformed(kMove + "MOVEX " + NumberText(pen));
            pen += AdvanceWidth(c);
        }
        if (scratch) scratch({});
        return pen;
    }

    // Moves the finished line off the block corner so the marker sits at the corner.
    void Offset(double length) {
        Send("EDIT PATTERN '" + label_.pattern + "' DESELECT ALL");
        std::string l = NumberText(length);
        if (label_.axis == Axis::kX) {
            Transformed(kMove + (label_.is_max ? "MOVEX -" + l : "MOVEX 1.5"));
            Transformed(kMove + (label_.is_max ? "MOVEY 1.7" : "MOVEY -1.7"));
            return;
        }
        Transformed("TRANSFORM RESET TRANSFORM TYPE ROTATEZ TRANSFORM ANGLE 90");
        Transformed(kMove + (label_.is_max ? "MOVEY -" + l : "MOVEY 1.5"));
        Transformed(kMove + (label_.is_max ? "MOVEX 1.7" : "MOVEX -1.7"));
    }

    std::vector<std::string>& out_;
    const Label& label_;
};

void WriteViewTitles(std::vector<std::string>& out, double z_scale) {
    const char* titles[] = {"TOP-View", "FRONT-View", "RIGHT-View", "ISO-View"};
    for (const char* title : titles) out.push_back(std::string("DELETE PATTERN '") + title + "'");
    for (const char* title : titles) {
        std::string name(title);
        out.push_back("CREATE PATTERN '" + name + "'");
        // The TOP title's insert has always carried three blanks before its path.
        std::string blanks = name == "TOP-View" ? "   " : "  ";
        out.push_back("EDIT PATTERN '" + name + "' INSERT FILE" + blanks + "'" + kFontFolder +
                      name + ".PIC'");
        out.push_back("EXPLORER SELECT Pattern '" + name + "' NEW");
        out.push_back(kWorkplane);
        out.push_back("TRANSFORM RESET TRANSFORM TYPE SCALEALL TRANSFORM SCALEVALUE " +
                      NumberText(z_scale));
        out.push_back("TRANSFORM PATTERN '" + name + "' SELECTED");
    }
}

void Append(std::vector<std::string>& out, std::initializer_list<const char*> lines) {
    for (const char* line : lines) out.emplace_back(line);
}

}  // namespace

double AdvanceWidth(char c) {
    static constexpr double kDigitWidths[] = {0.87, 0.7,  0.89, 0.93, 0.94,
                                              0.86, 0.87, 0.86, 0.85, 0.85};
    if (c >= '0' && c <= '9') return kDigitWidths[c - '0'];
    return c == '.' ? 0.34 : 0.0;
}

LabelScales ScalesFor(const BlockBoxes& boxes) {
    double extent = LeadingNumber(boxes.x_max) - LeadingNumber(boxes.x_min);
    return {extent / 2 / 6.5, extent / 2 / 6.842};
}

std::vector<std::string> AnnotationCommands(const BlockBoxes& b, const LabelScales& scales,
                                            const ScratchList& scratch) {
    const Label labels[] = {
        {"X-MAX", Axis::kX, true, "X.PIC", &b.x_max, "1", 2, "H-MAX.PIC", &b.x_max, &b.y_max,
         &b.z_max},
        {"X-MIN", Axis::kX, false, "X.PIC", &b.x_min, "1", 2, "H-MIN.PIC", &b.x_min, &b.y_min,
         &b.z_max},
        {"Y-MAX", Axis::kY, true, "Y.PIC", &b.y_max, "0.96", 1.96, "V-MAX.PIC", &b.x_max, &b.y_max,
         &b.z_max},
        {"Y-MIN", Axis::kY, false, "Y.PIC", &b.y_min, "0.96", 1.96, "V-MIN.PIC", &b.x_min, &b.y_min,
         &b.z_max},
        {"Z-MAX", Axis::kZ, true, "Z.PIC", &b.z_max, "0.86", 1.86, "V-MAX.PIC", &b.x_max, &b.y_min,
         &b.z_max},
        {"Z-MIN", Axis::kZ, false, "Z.PIC", &b.z_min, "0.86", 1.86, "V-MIN.PIC", &b.x_min, &b.y_min,
         &b.z_min},
    };
    std::vector<std::string> out;
    auto label = [&](int index) {
        const Label& l = labels[index];
        LabelWriter(out, l).Write(l.axis == Axis::kZ ? scales.z : scales.label, scratch);
    };
    label(0);
    label(1);
    Append(out, {"UNDRAW Pattern ALL", "DIALOGS MESSAGE ON", "DIALOGS MESSAGE OFF"});
    label(2);
    Append(out, {"DIALOGS MESSAGE OFF"});
    label(3);
    Append(out, {"UNDRAW Pattern ALL", "DIALOGS MESSAGE ON", "DIALOGS MESSAGE OFF",
                 "DIALOGS MESSAGE OFF"});
    label(4);
    Append(out, {"DIALOGS MESSAGE OFF"});
    label(5);
    Append(out,
           {"UNDRAW Pattern ALL", "DIALOGS MESSAGE ON", "UNDRAW Pattern ALL", "DEACTIVATE Pattern",
            "DIALOGS MESSAGE OFF", "DIALOGS MESSAGE OFF", "UNDRAW Axes"});
    WriteViewTitles(out, scales.z);
    return out;
}

}  // namespace orvalis::capture
