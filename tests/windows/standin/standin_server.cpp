// The stand-in control as an in-process COM server: its class factory, the
// four exports regsvr32 and COM call, and its registration under the host's
// name: for the machine where that is allowed (always under Wine, whose COM
// reads only the machine's classes), else for the current user, so no
// administrator rights are needed on Windows.
#include <windows.h>

#include <objbase.h>
#include <olectl.h>

#include <new>
#include <string>

#include "standin_control.h"

namespace {

using orvalis::standin::g_objects;
using orvalis::standin::StandInControl;

// The stand-in's own class id; the host's name leads to it once registered.
const CLSID kStandInClass = {
    0xc8ea3f64, 0x54ca, 0x449f, {0x91, 0x2e, 0x70, 0xf9, 0x1e, 0x26, 0x98, 0xe3}};
const wchar_t kStandInClassText[] = L"{C8EA3F64-54CA-449F-912E-70F91E2698E3}";
const wchar_t kProgId[] = L"PowerSolutionOLE.PowerMILL3";

HMODULE g_module = nullptr;

class Factory final : public IClassFactory {
  public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (!object) return E_POINTER;
        if (iid == IID_IUnknown || iid == IID_IClassFactory) {
            *object = static_cast<IClassFactory*>(this);
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    // The factory is static: it lives as long as the server.
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }

    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** object) override {
        if (!object) return E_POINTER;
        *object = nullptr;
        if (outer) return CLASS_E_NOAGGREGATION;
        auto* control = new (std::nothrow) StandInControl();
        if (!control) return E_OUTOFMEMORY;
        HRESULT found = control->QueryInterface(iid, object);
        control->Release();
        return found;
    }
    HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override {
        if (lock) {
            InterlockedIncrement(&g_objects);
        } else {
            InterlockedDecrement(&g_objects);
        }
        return S_OK;
    }
};

Factory g_factory;

bool SetValue(HKEY root, const std::wstring& key, const wchar_t* name, const std::wstring& value) {
    HKEY opened = nullptr;
    if (RegCreateKeyExW(root, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &opened, nullptr) !=
        ERROR_SUCCESS) {
        return false;
    }
    auto bytes = static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t));
    LONG set = RegSetValueExW(opened, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                              bytes);
    RegCloseKey(opened);
    return set == ERROR_SUCCESS;
}

const std::wstring kClasses = L"Software\\Classes\\";

bool Register(HKEY root, const std::wstring& path) {
    std::wstring class_key = kClasses + L"CLSID\\" + kStandInClassText;
    return SetValue(root, kClasses + kProgId, nullptr, L"ORVALIS stand-in host control") &&
           SetValue(root, kClasses + kProgId + L"\\CLSID", nullptr, kStandInClassText) &&
           SetValue(root, class_key, nullptr, L"ORVALIS stand-in host control") &&
           SetValue(root, class_key + L"\\InprocServer32", nullptr, path) &&
           SetValue(root, class_key + L"\\InprocServer32", L"ThreadingModel", L"Apartment") &&
           SetValue(root, class_key + L"\\ProgID", nullptr, kProgId);
}

bool Unregister(HKEY root) {
    std::wstring class_key = kClasses + L"CLSID\\" + kStandInClassText;
    LONG a = RegDeleteTreeW(root, (kClasses + kProgId).c_str());
    LONG b = RegDeleteTreeW(root, class_key.c_str());
    return (a == ERROR_SUCCESS || a == ERROR_FILE_NOT_FOUND) &&
           (b == ERROR_SUCCESS || b == ERROR_FILE_NOT_FOUND);
}

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        g_module = instance;
        DisableThreadLibraryCalls(instance);
    }
    return TRUE;
}

extern "C" HRESULT STDAPICALLTYPE DllGetClassObject(REFCLSID clsid, REFIID iid, void** object) {
    if (!object) return E_POINTER;
    *object = nullptr;
    if (clsid != kStandInClass) return CLASS_E_CLASSNOTAVAILABLE;
    return g_factory.QueryInterface(iid, object);
}

extern "C" HRESULT STDAPICALLTYPE DllCanUnloadNow() {
    return g_objects == 0 ? S_OK : S_FALSE;
}

extern "C" HRESULT STDAPICALLTYPE DllRegisterServer() {
    wchar_t path[MAX_PATH];
    DWORD length = GetModuleFileNameW(g_module, path, MAX_PATH);
    if (length == 0 || length == MAX_PATH) return SELFREG_E_CLASS;
    bool done = Register(HKEY_LOCAL_MACHINE, path) || Register(HKEY_CURRENT_USER, path);
    return done ? S_OK : SELFREG_E_CLASS;
}

extern "C" HRESULT STDAPICALLTYPE DllUnregisterServer() {
    bool machine = Unregister(HKEY_LOCAL_MACHINE);
    bool user = Unregister(HKEY_CURRENT_USER);
    return machine || user ? S_OK : SELFREG_E_CLASS;
}
