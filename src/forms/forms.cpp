#include "forms/forms.h"

#include "forms/window.h"

#include "launcher/form6.h"
#include "mainwin/form4.h"
#include "ncout/form2.h"
#include "views/form1.h"
#include "sheet/company_registry.h"
#include "sheet/form11.h"
#include "tools/form5.h"

namespace orvalis::forms {

Forms::Forms(std::shared_ptr<host::HostSession> session, Interaction& interaction)
    : session_(std::move(session)), interaction_(interaction) {}

Forms::~Forms() = default;

template <typename Form>
Form& Forms::Get(std::shared_ptr<Form>& slot) {
    if (!slot) {
        retired_.clear();
        slot = std::make_shared<Form>(*this);
        if (observer_) observer_->Created(slot);
        slot->Form_Load();
    }
    return *slot;
}

Form6& Forms::form6() {
    return Get(form6_);
}
Form4& Forms::form4() {
    return Get(form4_);
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

Form1& Forms::form1() {
    return Get(form1_);
}
Form2& Forms::form2() {
    return Get(form2_);
}
void Forms::UnloadForm1() {
    Drop(form1_);
}
Form11& Forms::form11() {
    return Get(form11_);
}
CompanyRegistry& Forms::company_registry() {
    return Get(company_registry_);
}
void Forms::UnloadForm11() {
    Drop(form11_);
}
void Forms::UnloadCompanyRegistry() {
    Drop(company_registry_);
}
Form5& Forms::form5() {
    return Get(form5_);
}
void Forms::UnloadForm5() {
    Drop(form5_);
}

}  // namespace orvalis::forms
