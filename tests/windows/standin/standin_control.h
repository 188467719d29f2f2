#pragma once

#include <windows.h>

#include <oaidl.h>

#include <string>

namespace orvalis::standin {

// The stand-in for the host's automation control: the eight operations by
// name through IDispatch (no type library), answered by the simulated host.
// Every control of a process reaches the one simulated host, as every control
// reaches the one running CAM system.
class StandInControl final : public IDispatch {
  public:
    StandInControl();

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID,
                                            DISPID* ids) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params,
                                     VARIANT* result, EXCEPINFO* exception,
                                     UINT* argument_error) override;

  private:
    virtual ~StandInControl();

    ULONG references_ = 1;
};

// Live controls and server locks, for DllCanUnloadNow.
extern LONG g_objects;

}  // namespace orvalis::standin
