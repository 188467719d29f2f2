#include "host/com_dispatch.h"

#include <algorithm>

#include "host/com_errors.h"

namespace orvalis::host {

DispatchCaller::DispatchCaller(ComRef<IDispatch> object, std::string prog_id)
    : object_(std::move(object)), prog_id_(std::move(prog_id)) {}

DISPID DispatchCaller::Id(const std::string& call, const wchar_t* member, ComStep step) {
    auto known = ids_.find(member);
    if (known != ids_.end()) return known->second;
    DISPID id = DISPID_UNKNOWN;
    LPOLESTR names[] = {const_cast<LPOLESTR>(member)};
    HRESULT found = object_->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
    if (FAILED(found)) throw ComFailure(call, step, found, nullptr, prog_id_);
    ids_.emplace(member, id);
    return id;
}

void DispatchCaller::Call(const std::string& call, const wchar_t* member, WORD flags,
                          std::vector<VARIANT> arguments, VARIANT* result, ComStep step) {
    DISPID id = Id(call, member, step);
    // IDispatch takes the arguments last first.
    std::reverse(arguments.begin(), arguments.end());
    DISPPARAMS params{arguments.data(), nullptr, static_cast<UINT>(arguments.size()), 0};
    EXCEPINFO exception{};
    UINT argument_error = 0;
    HRESULT done = object_->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params, result,
                                   &exception, &argument_error);
    if (FAILED(done)) throw ComFailure(call, step, done, &exception, prog_id_);
}

}  // namespace orvalis::host
