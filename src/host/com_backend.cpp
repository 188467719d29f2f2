#include "host/com_backend.h"

#include <windows.h>

#include "host/com_collection.h"
#include "host/com_errors.h"
#include "host/com_text.h"
#include "host/host_error.h"
#include "host/number_text.h"

namespace orvalis::host {

namespace {

constexpr WORD kMethod = DISPATCH_METHOD;
constexpr WORD kRead = DISPATCH_PROPERTYGET;
// What a Visual Basic caller sends when it uses a method's answer.
constexpr WORD kMethodWithAnswer = DISPATCH_METHOD | DISPATCH_PROPERTYGET;

// COM is entered once by the thread that makes a control (the desktop
// program's user-interface thread, which Qt has usually entered already for
// OLE), in a single-threaded apartment. It is never left, so controls
// released while the process ends still find it.
void EnterApartment() {
    thread_local const HRESULT entered = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    // Another part of the program may have entered first, in either model.
    if (FAILED(entered) && entered != RPC_E_CHANGED_MODE) {
        throw HostError("Connect", ComFailureText(ComStep::kLoadControl, entered, "", ""));
    }
}

VARIANT Long(LONG value) {
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_I4;
    v.lVal = value;
    return v;
}

VARIANT Double(double value) {
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_R8;
    v.dblVal = value;
    return v;
}

VARIANT Text(const Bstr& text) {
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_BSTR;
    v.bstrVal = text.get();  // still owned by `text`
    return v;
}

// The answer as the type the caller relies on; throws HostError naming the
// call when the control answered something else.
void ConvertAnswer(Variant& answer, VARTYPE type, const std::string& call) {
    HRESULT converted = VariantChangeType(answer.get(), answer.get(), 0, type);
    if (FAILED(converted)) throw ComFailure(call, ComStep::kCall, converted, nullptr, "");
}

// A 32-bit control under the 64-bit program (or the other way round) is
// registered only in the other half of the registry; CoCreateInstance then
// reports the class as unregistered.
bool RegisteredForOtherBitness(const CLSID& clsid) {
    wchar_t id[40];
    if (StringFromGUID2(clsid, id, 40) == 0) return false;
    std::wstring key = std::wstring(L"CLSID\\") + id + L"\\InprocServer32";
    REGSAM other = sizeof(void*) == 8 ? KEY_WOW64_32KEY : KEY_WOW64_64KEY;
    HKEY found = nullptr;
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, KEY_READ | other, &found) !=
        ERROR_SUCCESS) {
        return false;
    }
    RegCloseKey(found);
    return true;
}

ComRef<IDispatch> CreateControl(const std::string& prog_id, const std::string& call) {
    CLSID clsid;
    std::wstring name = Utf8ToWide(prog_id);
    HRESULT found = CLSIDFromProgID(name.c_str(), &clsid);
    if (FAILED(found)) throw ComFailure(call, ComStep::kFindControl, found, nullptr, prog_id);
    ComRef<IDispatch> control;
    HRESULT made = CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER,
                                    IID_IDispatch, reinterpret_cast<void**>(control.put()));
    if (made == REGDB_E_CLASSNOTREG && RegisteredForOtherBitness(clsid)) {
        made = HRESULT_FROM_WIN32(ERROR_BAD_EXE_FORMAT);
    }
    if (FAILED(made)) throw ComFailure(call, ComStep::kLoadControl, made, nullptr, prog_id);
    return control;
}

}  // namespace

ComBackend::ComBackend(std::string prog_id)
    : prog_id_(std::move(prog_id)), thread_(GetCurrentThreadId()) {}

ComBackend::ComBackend(std::string prog_id, ComRef<IDispatch> control)
    : prog_id_(std::move(prog_id)), thread_(GetCurrentThreadId()) {
    control_.emplace(std::move(control), prog_id_);
}

// A control of a single-threaded apartment answers only the thread that made
// it; a call from another thread would reach it unmarshalled, so it is
// refused before anything is sent.
void ComBackend::RequireOwnThread(const std::string& call) const {
    if (GetCurrentThreadId() != thread_) {
        throw HostError(call, "호스트 컨트롤은 그것을 만든 화면 스레드에서만 부를 수 있습니다");
    }
}

DispatchCaller& ComBackend::Control(const std::string& call) {
    RequireOwnThread(call);
    if (!control_) throw HostError(call, "the host is not connected");
    return *control_;
}

void ComBackend::Connect(std::optional<int> argument) {
    std::string call = argument ? "Connect " + std::to_string(*argument) : "Connect";
    RequireOwnThread(call);
    if (!control_) control_.emplace(CreateControl(prog_id_, call), prog_id_);
    std::vector<VARIANT> arguments;
    if (argument) arguments.push_back(Long(*argument));
    Variant answer;
    try {
        control_->Call(call, L"Connect", kMethod, arguments, answer.get(), ComStep::kConnect);
    } catch (const HostError&) {
        // A control that could not connect is let go; the next Connect
        // starts afresh, which also finds a host started since.
        control_.reset();
        throw;
    }
}

void ComBackend::RunCommand(const std::string& line) {
    std::string call = "RunCommand " + line;
    Bstr text(line);
    Variant answer;
    Control(call).Call(call, L"RunCommand", kMethod, {Text(text)}, answer.get());
}

std::string ComBackend::RunCommandOutput(const std::string& line) {
    std::string call = "RunCommandOutput " + line;
    Bstr text(line);
    Variant answer;
    Control(call).Call(call, L"RunCommandOutput", kMethodWithAnswer, {Text(text)}, answer.get());
    if (answer.value().vt == VT_EMPTY) return "";
    ConvertAnswer(answer, VT_BSTR, call);
    return BstrToUtf8(answer.value().bstrVal);
}

long ComBackend::Version() {
    Variant answer;
    Control("Version").Call("Version", L"Version", kRead, {}, answer.get());
    ConvertAnswer(answer, VT_I4, "Version");
    return answer.value().lVal;
}

// The control fills the collection it is handed (by reference, with a whole
// number after it that it does not use). Should it hand back a collection of
// its own instead, that one is read.
std::vector<std::string> ComBackend::ToolpathNames() {
    const std::string call = "ToolpathNames";
    DispatchCaller& control = Control(call);
    ComRef<ComCollection> collection = ComCollection::Create();
    ComRef<IDispatch> handed(static_cast<IDispatch*>(collection.get()));
    handed->AddRef();
    LONG unused = 0;
    VARIANT list;
    VariantInit(&list);
    list.vt = VT_BYREF | VT_DISPATCH;
    list.ppdispVal = handed.slot();
    VARIANT number;
    VariantInit(&number);
    number.vt = VT_BYREF | VT_I4;
    number.plVal = &unused;
    Variant answer;
    control.Call(call, L"ToolpathNames", kMethod, {list, number}, answer.get());
    if (handed.get() == static_cast<IDispatch*>(collection.get())) return collection->Texts();
    if (!handed) return {};
    return ReadCollectionTexts(handed.get(), call);
}

void ComBackend::FetchBlock() {
    Variant answer;
    Control("FetchBlock").Call("FetchBlock", L"FetchBlock", kMethod, {}, answer.get());
}

double ComBackend::BlockLimit(int index) {
    std::string call = "BlockLimit " + std::to_string(index);
    Variant answer;
    Control(call).Call(call, L"BlockLimit", kRead, {Long(index)}, answer.get());
    ConvertAnswer(answer, VT_R8, call);
    return answer.value().dblVal;
}

void ComBackend::SetBlockLimit(int index, double value) {
    std::string call = "SetBlockLimit " + std::to_string(index) + " " + NumberText(value);
    Variant answer;
    Control(call).Call(call, L"SetBlockLimit", kMethod, {Long(index), Double(value)}, answer.get());
}

std::unique_ptr<HostBackend> MakeComBackend(const std::string& prog_id) {
    EnterApartment();
    return std::make_unique<ComBackend>(prog_id.empty() ? std::string(kHostProgId) : prog_id);
}

}  // namespace orvalis::host
