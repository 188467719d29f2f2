#pragma once

#include <string>

#include "sim/nc/nc_job.h"

namespace orvalis::sim {

// The NC file's text in the dialect the job's options name, lines ended by
// CR LF as the host writes them.
std::string NcProgramText(const NcJob& job);

// A Fanuc program: "%", the O number with the program's name, one tool change
// per toolpath with its moves in G00/G01, "M30", "%".
std::string FanucProgram(const NcJob& job);

// A Heidenhain conversational (Klartext) program: numbered blocks from
// "BEGIN PGM" to "END PGM", the stock as BLK FORM, a TOOL CALL per toolpath
// and its moves as straight lines (L).
std::string HeidenhainProgram(const NcJob& job);

}  // namespace orvalis::sim
