#pragma once

#include <windows.h>

#include <oaidl.h>

#include <string>

#include "host/com_dispatch_object.h"

namespace orvalis::standin {

// The stand-in for the host's automation control: the eight operations by
// name through IDispatch (no type library), answered by the simulated host.
// Every control of a process reaches the one simulated host, as every control
// reaches the one running CAM system.
class StandInControl final : public orvalis::host::DispatchObject {
  public:
    StandInControl();

    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID,
                                            DISPID* ids) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params,
                                     VARIANT* result, EXCEPINFO* exception,
                                     UINT* argument_error) override;

  private:
    ~StandInControl() override;
};

// Live controls and server locks, for DllCanUnloadNow.
extern LONG g_objects;

}  // namespace orvalis::standin
