#include "forms/forms.h"

namespace orvalis::forms {

// Each window's accessor and unload are defined with that window's model
// (through forms/window_slot.h), so the registry depends on no window.
Forms::Forms(std::shared_ptr<host::HostSession> session, Interaction& interaction)
    : session_(std::move(session)), interaction_(interaction) {}

Forms::~Forms() = default;

}  // namespace orvalis::forms
