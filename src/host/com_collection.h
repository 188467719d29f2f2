#pragma once

#include <windows.h>

#include <oaidl.h>

#include <string>
#include <vector>

#include "host/com_ref.h"

#include "host/com_dispatch_object.h"

namespace orvalis::host {

// A collection that answers as a Visual Basic collection does: Add (item,
// and optionally key, before, after), Count, Item (the default member, by
// 1-based position or by key), Remove and _NewEnum for For Each. The host's
// control fills the one handed to ToolpathNames.
class ComCollection final : public host::DispatchObject {
  public:
    // A new, empty collection with one reference for the caller.
    static ComRef<ComCollection> Create();

    // The items as UTF-8 texts, in order (items that are not texts are
    // converted as Visual Basic would print them).
    std::vector<std::string> Texts() const;
    std::size_t size() const { return items_.size(); }

    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID,
                                            DISPID* ids) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params,
                                     VARIANT* result, EXCEPINFO* exception,
                                     UINT* argument_error) override;

  private:
    struct Entry {
        VARIANT value;
        std::wstring key;  // empty: none
    };

    ComCollection() = default;
    ~ComCollection() override;

    HRESULT Add(DISPPARAMS* params, EXCEPINFO* exception);
    HRESULT Item(DISPPARAMS* params, VARIANT* result, EXCEPINFO* exception);
    HRESULT Remove(DISPPARAMS* params, EXCEPINFO* exception);
    HRESULT NewEnum(VARIANT* result);
    // The 0-based position an index or key argument names, or -1.
    long Find(const VARIANT& where) const;

    std::vector<Entry> items_;
};

// Reads any object that answers Count and Item(i) for i = 1..Count, as a
// Visual Basic caller would; used when the control hands back a collection
// of its own. Throws HostError naming `call`.
std::vector<std::string> ReadCollectionTexts(IDispatch* collection, const std::string& call);

}  // namespace orvalis::host
