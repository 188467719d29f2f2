#include "sim/command_arguments.h"
#include "sim/commands/command_families.h"
#include "sim/text_case.h"

namespace orvalis::sim {

namespace {

// "EDIT PREFERENCE seldrawtp no": preference names in any case, the value as sent.
void EditPreference(CommandCall& call) {
    std::string name = LowerCopy(WordAt(call, 2));
    std::string value(WordAt(call, 3));
    call.ExpectEnd(4);
    call.project().preferences[name] = value;
}

}  // namespace

void RegisterPreferenceCommands(CommandTable& table) {
    table.Route("EDIT", "PREFERENCE", EditPreference);
}

}  // namespace orvalis::sim
