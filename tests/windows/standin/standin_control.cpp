#include "standin_control.h"

#include <memory>
#include <stdexcept>
#include <vector>

#include "failure_plan.h"
#include "host/com_text.h"
#include "host/host_error.h"
#include "platform/file_error.h"
#include "sim/sim_backend.h"

namespace orvalis::standin {

LONG g_objects = 0;

namespace {

using host::Variant;

enum Operation : DISPID {
    kConnect = 1,
    kRunCommand,
    kRunCommandOutput,
    kVersion,
    kToolpathNames,
    kFetchBlock,
    kBlockLimit,
    kSetBlockLimit,
};

struct Member {
    const wchar_t* name;
    DISPID id;
};

const Member kMembers[] = {
    {L"Connect", kConnect},
    {L"RunCommand", kRunCommand},
    {L"RunCommandOutput", kRunCommandOutput},
    {L"Version", kVersion},
    {L"ToolpathNames", kToolpathNames},
    {L"FetchBlock", kFetchBlock},
    {L"BlockLimit", kBlockLimit},
    {L"SetBlockLimit", kSetBlockLimit},
};

// The one simulated host of this process, made on first use: the sample
// project, or the project file ORVALIS_STANDIN_PROJECT names.
host::HostBackend& Host() {
    static std::unique_ptr<host::HostBackend> host = [] {
        const char* project = std::getenv("ORVALIS_STANDIN_PROJECT");
        return sim::MakeSimBackend(project ? project : "");
    }();
    return *host;
}

FailurePlan& Failures() {
    static FailurePlan plan = FailurePlan::FromEnvironment();
    return plan;
}

// A failure of the call, raised to the caller as an automation exception
// with a description, as the host's control raises its errors.
struct Raised {
    std::string description;
};

void FailIfPlanned(const std::string& key) {
    if (Failures().Fails(key)) throw Raised{FailurePlan::Description(key)};
}

// Argument `position` (as written by the caller) converted to `type` into
// `value`.
void Argument(const DISPPARAMS* params, UINT position, VARTYPE type, Variant& value) {
    if (position >= params->cArgs) throw Raised{"argument missing"};
    VARIANT* given = &params->rgvarg[params->cArgs - 1 - position];
    if (FAILED(VariantCopyInd(value.get(), given)) ||
        FAILED(VariantChangeType(value.get(), value.get(), 0, type))) {
        throw Raised{"argument of the wrong type"};
    }
}

LONG LongArgument(const DISPPARAMS* params, UINT position) {
    Variant value;
    Argument(params, position, VT_I4, value);
    return value.value().lVal;
}

double DoubleArgument(const DISPPARAMS* params, UINT position) {
    Variant value;
    Argument(params, position, VT_R8, value);
    return value.value().dblVal;
}

std::string TextArgument(const DISPPARAMS* params) {
    Variant text;
    Argument(params, 0, VT_BSTR, text);
    return host::BstrToUtf8(text.value().bstrVal);
}

void Answer(VARIANT* result, VARIANT value) {
    if (result) {
        VariantInit(result);
        *result = value;
    } else {
        VariantClear(&value);
    }
}

VARIANT TextValue(const std::string& text) {
    std::wstring wide = host::Utf8ToWide(text);
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_BSTR;
    v.bstrVal = SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
    return v;
}

// The caller's collection: the first argument, passed by reference (or as
// it is). Each name is added to it through its own Add, as the host does.
void FillCollection(const DISPPARAMS* params, const std::vector<std::string>& names) {
    if (params->cArgs < 1) throw Raised{"argument missing"};
    VARIANT* given = &params->rgvarg[params->cArgs - 1];
    IDispatch* collection = given->vt == (VT_BYREF | VT_DISPATCH) ? *given->ppdispVal
                            : given->vt == VT_DISPATCH            ? given->pdispVal
                                                                  : nullptr;
    if (!collection) throw Raised{"ToolpathNames needs a collection"};
    DISPID add = DISPID_UNKNOWN;
    LPOLESTR member[] = {const_cast<LPOLESTR>(L"Add")};
    if (FAILED(collection->GetIDsOfNames(IID_NULL, member, 1, LOCALE_USER_DEFAULT, &add))) {
        throw Raised{"the collection has no Add"};
    }
    for (const auto& name : names) {
        VARIANT item = TextValue(name);
        DISPPARAMS add_params{&item, nullptr, 1, 0};
        HRESULT added = collection->Invoke(add, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD,
                                           &add_params, nullptr, nullptr, nullptr);
        VariantClear(&item);
        if (FAILED(added)) throw Raised{"the collection refused an item"};
    }
}

void Run(DISPID id, WORD flags, DISPPARAMS* params, VARIANT* result) {
    switch (id) {
        case kConnect: {
            FailIfPlanned("Connect");
            std::optional<int> argument;
            if (params->cArgs > 0) argument = LongArgument(params, 0);
            Host().Connect(argument);
            return;
        }
        case kRunCommand: {
            std::string line = TextArgument(params);
            FailIfPlanned(line);
            Host().RunCommand(line);
            return;
        }
        case kRunCommandOutput: {
            std::string line = TextArgument(params);
            FailIfPlanned(line);
            Answer(result, TextValue(Host().RunCommandOutput(line)));
            return;
        }
        case kVersion: {
            if (!(flags & DISPATCH_PROPERTYGET)) throw Raised{"Version is a property"};
            FailIfPlanned("Version");
            VARIANT v;
            VariantInit(&v);
            v.vt = VT_I4;
            v.lVal = static_cast<LONG>(Host().Version());
            Answer(result, v);
            return;
        }
        case kToolpathNames:
            FailIfPlanned("ToolpathNames");
            FillCollection(params, Host().ToolpathNames());
            return;
        case kFetchBlock:
            FailIfPlanned("FetchBlock");
            Host().FetchBlock();
            return;
        case kBlockLimit: {
            if (!(flags & DISPATCH_PROPERTYGET)) throw Raised{"BlockLimit is a property"};
            int index = LongArgument(params, 0);
            FailIfPlanned("BlockLimit");
            VARIANT v;
            VariantInit(&v);
            v.vt = VT_R8;
            v.dblVal = Host().BlockLimit(index);
            Answer(result, v);
            return;
        }
        case kSetBlockLimit: {
            int index = LongArgument(params, 0);
            double value = DoubleArgument(params, 1);
            FailIfPlanned("SetBlockLimit");
            Host().SetBlockLimit(index, value);
            return;
        }
        default:
            throw std::logic_error("no such member");
    }
}

HRESULT RaiseToCaller(EXCEPINFO* exception, const std::string& description) {
    if (exception) {
        *exception = EXCEPINFO{};
        exception->bstrSource = SysAllocString(L"PowerSolutionOLE.PowerMILL3");
        std::wstring text = host::Utf8ToWide(description);
        exception->bstrDescription = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
        exception->scode = E_FAIL;
    }
    return DISP_E_EXCEPTION;
}

}  // namespace

StandInControl::StandInControl() {
    InterlockedIncrement(&g_objects);
}

StandInControl::~StandInControl() {
    InterlockedDecrement(&g_objects);
}

HRESULT StandInControl::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) {
    if (!names || !ids || count == 0) return E_INVALIDARG;
    for (UINT i = 0; i < count; ++i) ids[i] = DISPID_UNKNOWN;
    for (const auto& member : kMembers) {
        if (CompareStringOrdinal(names[0], -1, member.name, -1, TRUE) == CSTR_EQUAL) {
            ids[0] = member.id;
        }
    }
    return ids[0] == DISPID_UNKNOWN || count > 1 ? DISP_E_UNKNOWNNAME : S_OK;
}

HRESULT StandInControl::Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params,
                               VARIANT* result, EXCEPINFO* exception, UINT*) {
    if (!params) return E_INVALIDARG;
    if (id < kConnect || id > kSetBlockLimit) return DISP_E_MEMBERNOTFOUND;
    if (result) VariantInit(result);
    try {
        Run(id, flags, params, result);
        return S_OK;
    } catch (const Raised& raised) {
        return RaiseToCaller(exception, raised.description);
    } catch (const host::HostError& error) {
        return RaiseToCaller(exception, error.what());
    } catch (const FileError& error) {
        return RaiseToCaller(exception, error.path() + ": " + error.what());
    } catch (const std::exception& error) {
        return RaiseToCaller(exception, error.what());
    }
}

}  // namespace orvalis::standin
