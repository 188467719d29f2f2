#pragma once

// The registry's slot handling, for the files that define a window's
// accessor and unload next to that window's model.

#include <memory>

#include "forms/forms.h"
#include "forms/window.h"

namespace orvalis::forms {

template <typename Form>
Form& Forms::Get(std::shared_ptr<Form>& slot) {
    if (!slot) {
        retired_.clear();
        slot = std::make_shared<Form>(*this);
        if (observer_) observer_->Created(slot);
        slot->Load();
    }
    return *slot;
}

// The registry forgets the model; it is destroyed when the next window is
// created (or with the registry), never inside the handler that unloaded it.
template <typename Form>
void Forms::Drop(std::shared_ptr<Form>& slot) {
    if (!slot) return;
    std::shared_ptr<Form> unloaded = std::move(slot);
    if (observer_) observer_->Unloaded(*unloaded);
    retired_.push_back(std::move(unloaded));
}

}  // namespace orvalis::forms
