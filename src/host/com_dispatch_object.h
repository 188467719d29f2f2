#pragma once

#include <windows.h>

#include <oaidl.h>

namespace orvalis::host {

// What every late-bound object of ORVALIS's own answers alike: IUnknown and
// IDispatch with a reference count, and no type library (callers reach the
// members by name). A subclass names its members and invokes them.
class DispatchObject : public IDispatch {
  public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) override;

  protected:
    DispatchObject() = default;
    virtual ~DispatchObject() = default;

  private:
    ULONG references_ = 1;
};

}  // namespace orvalis::host
