// The COM backend calls each of the host's operations by name with the
// shapes the control expects, converts texts both ways and turns the
// control's failures into HostErrors.
#include <gtest/gtest.h>

#include <windows.h>

#include <oaidl.h>

#include <string>
#include <thread>
#include <vector>

#include "host/com_backend.h"
#include "host/com_text.h"
#include "host/host_error.h"

namespace orvalis::host {
namespace {

const wchar_t* const kNames[] = {L"Connect",    L"RunCommand",    L"RunCommandOutput",
                                 L"Version",    L"ToolpathNames", L"FetchBlock",
                                 L"BlockLimit", L"SetBlockLimit"};

// A control that writes down how it was called: the member, whether as a
// method or a property read, and each argument's type and value.
class RecordingControl final : public IDispatch {
  public:
    std::vector<std::string> calls;
    int name_lookups = 0;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (iid != IID_IUnknown && iid != IID_IDispatch) return E_NOINTERFACE;
        *object = this;
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override { return --references_; }
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT, LCID,
                                            DISPID* ids) override {
        ++name_lookups;
        for (DISPID i = 0; i < 8; ++i) {
            if (std::wstring(names[0]) == kNames[i]) {
                ids[0] = i + 1;
                return S_OK;
            }
        }
        return DISP_E_UNKNOWNNAME;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params,
                                     VARIANT* result, EXCEPINFO* exception, UINT*) override {
        std::string call = WideToUtf8(kNames[id - 1]);
        call += flags == DISPATCH_METHOD        ? " method"
                : flags == DISPATCH_PROPERTYGET ? " get"
                                                : " both";
        for (UINT i = params->cArgs; i-- > 0;) call += " " + Describe(params->rgvarg[i]);
        calls.push_back(call);
        if (id == 2 && std::wstring(params->rgvarg[0].bstrVal) == L"FAIL") {
            exception->bstrDescription = SysAllocString(L"명령을 읽을 수 없습니다");
            exception->scode = E_FAIL;
            return DISP_E_EXCEPTION;
        }
        if (id == 3) {
            std::wstring answer = std::wstring(L"답 ") + params->rgvarg[0].bstrVal + L"\r\n";
            result->vt = VT_BSTR;
            result->bstrVal = SysAllocString(answer.c_str());
        } else if (id == 4) {
            result->vt = VT_I2;  // any whole number will do
            result->iVal = 8009;
        } else if (id == 5) {
            IDispatch* list = *params->rgvarg[1].ppdispVal;
            DISPID add = 0;
            LPOLESTR name[] = {const_cast<LPOLESTR>(L"Add")};
            list->GetIDsOfNames(IID_NULL, name, 1, 0, &add);
            for (const wchar_t* toolpath : {L"01-황삭", L"02-정삭"}) {
                VARIANT item;
                item.vt = VT_BSTR;
                item.bstrVal = SysAllocString(toolpath);
                DISPPARAMS one{&item, nullptr, 1, 0};
                list->Invoke(add, IID_NULL, 0, DISPATCH_METHOD, &one, nullptr, nullptr, nullptr);
                VariantClear(&item);
            }
        } else if (id == 7) {
            result->vt = VT_R8;
            result->dblVal = params->rgvarg[0].lVal * 10.5;
        }
        return S_OK;
    }

  private:
    static std::string Describe(const VARIANT& v) {
        switch (v.vt) {
            case VT_I4:
                return "I4:" + std::to_string(v.lVal);
            case VT_R8:
                return "R8:" + std::to_string(v.dblVal);
            case VT_BSTR:
                return "BSTR:" + WideToUtf8(v.bstrVal);
            case VT_BYREF | VT_I4:
                return "ref I4:" + std::to_string(*v.plVal);
            case VT_BYREF | VT_DISPATCH:
                return "ref collection";
            default:
                return "vt " + std::to_string(v.vt);
        }
    }
    ULONG references_ = 1;
};

TEST(ComBackend, EachOperationIsCalledByNameWithTheShapesTheControlExpects) {
    RecordingControl control;
    control.AddRef();  // the backend's reference
    {
        ComBackend backend(kHostProgId, ComRef<IDispatch>(&control));
        backend.Connect(std::nullopt);
        backend.Connect(0);
        backend.RunCommand("ACTIVATE Toolpath '01-황삭'");
        EXPECT_EQ(backend.RunCommandOutput("PRINT VALUE PROJECTNAME"),
                  "답 PRINT VALUE PROJECTNAME\r\n");
        EXPECT_EQ(backend.Version(), 8009);
        EXPECT_EQ(backend.ToolpathNames(), (std::vector<std::string>{"01-황삭", "02-정삭"}));
        backend.FetchBlock();
        EXPECT_EQ(backend.BlockLimit(3), 31.5);
        backend.SetBlockLimit(6, -2.5);
        backend.RunCommand("EDIT BLOCK RESET");
    }
    EXPECT_EQ(control.calls, (std::vector<std::string>{
                                 "Connect method",
                                 "Connect method I4:0",
                                 "RunCommand method BSTR:ACTIVATE Toolpath '01-황삭'",
                                 "RunCommandOutput both BSTR:PRINT VALUE PROJECTNAME",
                                 "Version get",
                                 "ToolpathNames method ref collection ref I4:0",
                                 "FetchBlock method",
                                 "BlockLimit get I4:3",
                                 "SetBlockLimit method I4:6 R8:-2.500000",
                                 "RunCommand method BSTR:EDIT BLOCK RESET",
                             }));
    // Each name was looked up once.
    EXPECT_EQ(control.name_lookups, 8);
}

TEST(ComBackend, TheControlsFailuresBecomeHostErrorsNamingTheCall) {
    RecordingControl control;
    control.AddRef();
    ComBackend backend(kHostProgId, ComRef<IDispatch>(&control));
    try {
        backend.RunCommand("FAIL");
        ADD_FAILURE() << "no HostError";
    } catch (const HostError& error) {
        EXPECT_EQ(error.command(), "RunCommand FAIL");
        EXPECT_STREQ(error.what(), "명령을 읽을 수 없습니다");
    }

    auto unregistered = MakeComBackend("ORVALIS.NoSuchControl");
    try {
        unregistered->Connect(std::nullopt);
        ADD_FAILURE() << "no HostError";
    } catch (const HostError& error) {
        EXPECT_EQ(error.command(), "Connect");
        EXPECT_STREQ(error.what(),
                     "파워밀 자동화 컨트롤 ORVALIS.NoSuchControl이(가) 이 컴퓨터에 등록되어 있지 "
                     "않습니다. 파워밀이 설치되어 있는지 확인하십시오");
    }
    // Until a Connect succeeds nothing reaches a control.
    EXPECT_THROW(unregistered->Version(), HostError);
}

// The control lives in the apartment of the thread that made the backend (the
// desktop program's window thread); another thread's call never reaches it.
TEST(ComBackend, ACallFromAnotherThreadIsRefusedBeforeItReachesTheControl) {
    RecordingControl control;
    control.AddRef();
    ComBackend backend(kHostProgId, ComRef<IDispatch>(&control));
    std::vector<std::string> refused;
    std::thread other([&] {
        auto refuse = [&](auto&& call) {
            try {
                call();
            } catch (const HostError& error) {
                refused.push_back(error.command() + ": " + error.what());
            }
        };
        refuse([&] { backend.Connect(std::nullopt); });
        refuse([&] { backend.RunCommand("EDIT BLOCK RESET"); });
        refuse([&] { backend.Version(); });
    });
    other.join();
    const std::string why = "호스트 컨트롤은 그것을 만든 화면 스레드에서만 부를 수 있습니다";
    EXPECT_EQ(refused,
              (std::vector<std::string>{"Connect: " + why, "RunCommand EDIT BLOCK RESET: " + why,
                                        "Version: " + why}));
    EXPECT_TRUE(control.calls.empty());
    backend.RunCommand("EDIT BLOCK RESET");  // its own thread is answered
    EXPECT_EQ(control.calls, std::vector<std::string>{"RunCommand method BSTR:EDIT BLOCK RESET"});
}

}  // namespace
}  // namespace orvalis::host
