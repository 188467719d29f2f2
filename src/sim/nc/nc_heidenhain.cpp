#include "sim/nc/nc_dialects.h"
#include "sim/nc/nc_words.h"

namespace orvalis::sim {

namespace {

std::string CoolantOn(Coolant coolant) {
    return coolant == Coolant::kFlood ? " M8" : coolant == Coolant::kMist ? " M7" : "";
}

// The control takes the program's name from its file; a blank would end it.
std::string PgmName(std::string name) {
    for (char& c : name) {
        if (c == ' ') c = '_';
    }
    return name;
}

class HeidenhainWriter {
  public:
    explicit HeidenhainWriter(const NcJob& job) : job_(job), decimals_(job.options.decimals) {}

    std::string Write() {
        std::string pgm = PgmName(job_.program_name);
        Block("BEGIN PGM " + pgm + " MM");
        Block("; NC PROGRAM " + job_.nc_program);
        Block("; PROJECT " + job_.project);
        if (!job_.options.controller.empty()) Block("; " + job_.options.controller);
        const Limits& stock = job_.stock;
        Block("BLK FORM 0.1 Z X" + Number(stock[0]) + " Y" + Number(stock[2]) + " Z" +
              Number(stock[4]));
        Block("BLK FORM 0.2 X" + Number(stock[1]) + " Y" + Number(stock[3]) + " Z" +
              Number(stock[5]));
        for (const NcOperation& operation : job_.operations) WriteOperation(operation);
        Block("M30");
        Block("END PGM " + pgm + " MM");
        return std::move(out_);
    }

  private:
    void Block(const std::string& text) {
        out_ += std::to_string(block_number_++);
        out_ += ' ';
        out_ += text;
        out_ += "\r\n";
    }

    std::string Number(double value) const { return HeidenhainNumber(value, decimals_); }

    void WriteOperation(const NcOperation& operation) {
        const ToolpathMotion& motion = operation.motion;
        std::string tool = std::to_string(operation.tool_number);
        Block("; TOOLPATH " + operation.toolpath);
        Block("; T" + tool + " " + operation.tool_description);
        Block("TOOL CALL " + tool + " Z S" + std::to_string(operation.spindle_speed));
        // Up to the safe height with the spindle starting, then over the first cut point.
        last_ = {};
        last_.z = Number(motion.entry.z);
        Block("L Z" + last_.z + " R0 FMAX M3");
        last_.x = Number(motion.entry.x);
        last_.y = Number(motion.entry.y);
        Block("L X" + last_.x + " Y" + last_.y + " R0 FMAX" + CoolantOn(job_.options.coolant));
        feed_ = 0;
        // The retract at the end stops the spindle and the coolant.
        std::string stop = job_.options.coolant == Coolant::kOff ? " M5" : " M5 M9";
        for (std::size_t i = 0; i < motion.moves.size(); ++i) {
            bool last_move = i + 1 == motion.moves.size();
            WriteMove(motion.moves[i], operation, last_move ? stop : "");
        }
    }

    // Rapid moves say FMAX, which holds for their own block only; the next
    // feed move states its feed again.
    void WriteMove(const NcMove& move, const NcOperation& operation, const std::string& words) {
        std::string axes = ChangedAxes(move.to, last_, HeidenhainNumber, decimals_);
        if (axes.empty() && words.empty()) return;
        std::string block = "L " + (axes.empty() ? "Z" + last_.z : axes);
        if (move.kind == MoveKind::kRapid) {
            block += " FMAX";
            feed_ = 0;
        } else {
            long feed =
                move.kind == MoveKind::kPlunge ? operation.plunge_feed : operation.cutting_feed;
            if (feed != feed_) block += " F" + std::to_string(feed);
            feed_ = feed;
        }
        Block(block + words);
    }

    const NcJob& job_;
    int decimals_;
    std::string out_;
    int block_number_ = 0;
    AxisTexts last_;
    long feed_ = 0;
};

}  // namespace

std::string HeidenhainProgram(const NcJob& job) {
    return HeidenhainWriter(job).Write();
}

}  // namespace orvalis::sim
