#include <cstdio>

#include "sim/nc/nc_dialects.h"
#include "sim/nc/nc_words.h"
#include "sim/text_case.h"

namespace orvalis::sim {

namespace {

// A comment as Fanuc controls take it: upper case, and no parenthesis inside
// that would end it early.
std::string Comment(const std::string& text) {
    std::string comment = "(";
    for (char c : UpperCopy(text)) {
        comment += c == '(' ? '[' : c == ')' ? ']' : c;
    }
    comment += ")";
    return comment;
}

std::string CoolantOn(Coolant coolant) {
    return coolant == Coolant::kFlood ? " M08" : coolant == Coolant::kMist ? " M07" : "";
}

class FanucWriter {
  public:
    explicit FanucWriter(const NcJob& job) : job_(job), decimals_(job.options.decimals) {}

    std::string Write() {
        Line("%");
        char number[16];
        std::snprintf(number, sizeof number, "O%04d", job_.program_number);
        Line(number + (" " + Comment(job_.program_name)));
        Line(Comment("NC PROGRAM " + job_.nc_program));
        Line(Comment("PROJECT " + job_.project));
        if (!job_.options.controller.empty()) Line(Comment(job_.options.controller));
        Line("G21 G17 G40 G49 G80 G90");
        for (const NcOperation& operation : job_.operations) WriteOperation(operation);
        Line("M30");
        Line("%");
        return std::move(out_);
    }

  private:
    void Line(const std::string& text) {
        out_ += text;
        out_ += "\r\n";
    }

    std::string Axes(const Point3& to) { return ChangedAxes(to, last_, FanucNumber, decimals_); }

    void WriteOperation(const NcOperation& operation) {
        const ToolpathMotion& motion = operation.motion;
        std::string tool = std::to_string(operation.tool_number);
        Line(Comment("TOOLPATH " + operation.toolpath));
        Line(Comment("T" + tool + " " + operation.tool_description));
        Line("T" + tool + " M06");
        // Over the first cut point at the safe height, the tool's length offset taken up.
        last_ = {FanucNumber(motion.entry.x, decimals_), FanucNumber(motion.entry.y, decimals_),
                 FanucNumber(motion.entry.z, decimals_)};
        Line("G00 G90 " + job_.options.work_offset + " X" + last_.x + " Y" + last_.y);
        Line("S" + std::to_string(operation.spindle_speed) + " M03");
        Line("G43 Z" + last_.z + " H" + tool + CoolantOn(job_.options.coolant));
        motion_code_ = "G00";
        feed_ = 0;
        for (const NcMove& move : motion.moves) WriteMove(move, operation);
        if (job_.options.coolant != Coolant::kOff) Line("M09");
        Line("M05");
        Line("G91 G28 Z0.");
        Line("G90");
    }

    void WriteMove(const NcMove& move, const NcOperation& operation) {
        std::string axes = Axes(move.to);
        if (axes.empty()) return;
        std::string code = move.kind == MoveKind::kRapid ? "G00" : "G01";
        std::string block = code == motion_code_ ? axes : code + " " + axes;
        motion_code_ = code;
        long feed = move.kind == MoveKind::kPlunge ? operation.plunge_feed : operation.cutting_feed;
        if (move.kind != MoveKind::kRapid && feed != feed_) {
            block += " F" + std::to_string(feed);
            feed_ = feed;
        }
        Line(block);
    }

    const NcJob& job_;
    int decimals_;
    std::string out_;
    AxisTexts last_;
    std::string motion_code_;
    long feed_ = 0;
};

}  // namespace

std::string FanucProgram(const NcJob& job) {
    return FanucWriter(job).Write();
}

}  // namespace orvalis::sim
