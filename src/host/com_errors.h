#pragma once

#include <windows.h>

#include <oaidl.h>

#include <string>

#include "host/host_error.h"

namespace orvalis::host {

// Where a call to the automation control failed: finding the control by its
// name, loading it into this program, connecting it to the running host, or
// one of its operations.
enum class ComStep { kFindControl, kLoadControl, kConnect, kCall };

// What the user reads for a failed HRESULT: the control's own description
// when it raised one, else a Korean text for the failures a shop meets
// (control not installed, a control of the other bitness, the host not
// running or not answering), with the code for the rest.
std::string ComFailureText(ComStep step, HRESULT result, const std::string& description,
                           const std::string& prog_id);

// The HostError for a failed call: `call` as the transcript writes it; the
// description is taken from `exception` (and its strings freed) when the
// control raised one.
HostError ComFailure(const std::string& call, ComStep step, HRESULT result, EXCEPINFO* exception,
                     const std::string& prog_id);

}  // namespace orvalis::host
