// Windows: one RunCommandOutput round trip through the host's automation
// control, in-process. Target: under 20 µs of the program's own time.
//   com_round_trip_bench            (the stand-in control registered)
// Three figures: through a control that answers at once (the program's own
// time: BSTRs, IDispatch, the answer back to UTF-8), through the stand-in
// control for the simulated host, and the simulated host called directly
// (the stand-in's answer time, for comparison).
#include <windows.h>

#include <oaidl.h>

#include <chrono>
#include <cstdio>
#include <functional>
#include <string>

#include "host/com_backend.h"
#include "host/host_error.h"
#include "sim/sim_backend.h"

namespace {

using orvalis::host::ComBackend;
using orvalis::host::ComRef;

const std::string kLine = "PRINT VALUE PROJECTNAME";

// Answers RunCommandOutput at once with one line.
class InstantControl final : public IDispatch {
  public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void** object) override {
        *object = this;
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID* ids) override {
        ids[0] = 1;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT* result,
                                     EXCEPINFO*, UINT*) override {
        if (result) {
            result->vt = VT_BSTR;
            result->bstrVal = SysAllocString(L"INSERT-100\r\n");
        }
        return S_OK;
    }
};

double MicrosecondsPerCall(const std::function<void()>& call) {
    constexpr int kCalls = 100000;
    for (int i = 0; i < 1000; ++i) call();
    auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < kCalls; ++i) call();
    std::chrono::duration<double, std::micro> spent = std::chrono::steady_clock::now() - start;
    return spent.count() / kCalls;
}

}  // namespace

int main() {
    auto made = orvalis::host::MakeComBackend("");  // enters the apartment
    InstantControl instant;
    ComBackend own(orvalis::host::kHostProgId, ComRef<IDispatch>(&instant));
    std::printf("RunCommandOutput through an instant control (own time): %.2f us\n",
                MicrosecondsPerCall([&] { own.RunCommandOutput(kLine); }));
    try {
        made->Connect(std::nullopt);
        std::printf("RunCommandOutput through the stand-in control: %.2f us\n",
                    MicrosecondsPerCall([&] { made->RunCommandOutput(kLine); }));
    } catch (const orvalis::host::HostError& error) {
        std::printf("the stand-in control is not reachable: %s\n", error.what());
    }
    auto sim = orvalis::sim::MakeSimBackend("");
    std::printf("RunCommandOutput on the simulated host directly: %.2f us\n",
                MicrosecondsPerCall([&] { sim->RunCommandOutput(kLine); }));
    return 0;
}
