#pragma once

#include <windows.h>

#include <oaidl.h>

#include <map>
#include <string>
#include <vector>

#include "host/com_errors.h"
#include "host/com_ref.h"

namespace orvalis::host {

// Calls the members of an automation object by name through IDispatch,
// looking each name up once. A failed call throws HostError naming the call
// as the transcript writes it, with the object's own description.
class DispatchCaller {
  public:
    DispatchCaller(ComRef<IDispatch> object, std::string prog_id);

    // Calls `member` with `arguments` in the order written (VARIANTs the
    // caller owns and clears) and returns what it answered. `flags` is
    // DISPATCH_METHOD, DISPATCH_PROPERTYGET or both.
    void Call(const std::string& call, const wchar_t* member, WORD flags,
              std::vector<VARIANT> arguments, VARIANT* result, ComStep step = ComStep::kCall);

  private:
    DISPID Id(const std::string& call, const wchar_t* member, ComStep step);

    ComRef<IDispatch> object_;
    std::string prog_id_;
    std::map<std::wstring, DISPID> ids_;
};

}  // namespace orvalis::host
