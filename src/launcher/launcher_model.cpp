#include "launcher/form6.h"

#include "forms/forms.h"
#include "host/host_error.h"
#include "mainwin/form4.h"
#include "ncout/form2.h"
#include "sheet/form11.h"

namespace orvalis {

Form6::Form6(forms::Forms& forms) : Window(forms), PM(forms.session()) {}

void Form6::Form_Load() {
    MakeTopmost();
}

void Form6::Command1_Click() {
    try {
        PM.Connect();
    } catch (const host::HostError&) {
        // The main window's own load connects again and reports the failure
        // in its status bar; one report is enough.
    }
    forms().form4().Show();
}

void Form6::Command3_Click() {
    forms().form11().Show();
}

}  // namespace orvalis

namespace orvalis {

void Form6::Command2_Click() {
    forms().form2().Show();
}

}  // namespace orvalis
