#include "host/com_collection.h"

#include <windows.h>

#include <new>

#include "host/com_errors.h"
#include "host/com_text.h"

namespace orvalis::host {

namespace {

// The members a Visual Basic collection answers to.
constexpr DISPID kAdd = 1, kCount = 2, kRemove = 3;

// The positions of Add's parameters, for callers that name them.
const wchar_t* const kAddParameters[] = {L"Item", L"Key", L"Before", L"After"};

bool SameName(const wchar_t* a, const wchar_t* b) {
    return CompareStringOrdinal(a, -1, b, -1, TRUE) == CSTR_EQUAL;
}

// Argument `position` (0-based, as written by the caller) of a call, whether
// passed in place or by name; nullptr when it was left out. A reference to
// a VARIANT is followed.
const VARIANT* Argument(const DISPPARAMS* params, UINT position) {
    const VARIANT* found = nullptr;
    UINT named = params->cNamedArgs;
    for (UINT i = 0; i < named; ++i) {
        if (params->rgdispidNamedArgs[i] == static_cast<DISPID>(position))
            found = &params->rgvarg[i];
    }
    UINT positional = params->cArgs - named;
    if (!found && position < positional) found = &params->rgvarg[params->cArgs - 1 - position];
    if (found && found->vt == (VT_BYREF | VT_VARIANT)) found = found->pvarVal;
    if (!found || (found->vt == VT_ERROR && found->scode == DISP_E_PARAMNOTFOUND)) return nullptr;
    return found;
}

// VariantChangeType and VariantCopyInd leave their source alone; their
// declarations just do not say so.
HRESULT ChangeType(VARIANT* to, const VARIANT& from, USHORT flags, VARTYPE type) {
    return VariantChangeType(to, const_cast<VARIANT*>(&from), flags, type);
}

// Raises a Visual Basic run-time error to the caller.
HRESULT Raise(EXCEPINFO* exception, unsigned short number, const wchar_t* description) {
    if (exception) {
        *exception = EXCEPINFO{};
        exception->bstrSource = SysAllocString(L"Collection");
        exception->bstrDescription = SysAllocString(description);
        exception->scode = MAKE_HRESULT(SEVERITY_ERROR, FACILITY_CONTROL, number);
    }
    return DISP_E_EXCEPTION;
}

HRESULT OutOfRange(EXCEPINFO* exception) {
    return Raise(exception, 9, L"Subscript out of range");
}

// For Each over a snapshot of the items.
class ItemEnumerator final : public IEnumVARIANT {
  public:
    ItemEnumerator(std::vector<VARIANT> items, ULONG next)
        : items_(std::move(items)), next_(next) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (!object) return E_POINTER;
        if (iid == IID_IUnknown || iid == IID_IEnumVARIANT) {
            *object = static_cast<IEnumVARIANT*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override {
        ULONG left = --references_;
        if (left == 0) delete this;
        return left;
    }

    HRESULT STDMETHODCALLTYPE Next(ULONG wanted, VARIANT* out, ULONG* fetched) override {
        if (!out) return E_POINTER;
        ULONG given = 0;
        for (; given < wanted && next_ < items_.size(); ++given, ++next_) {
            VariantInit(&out[given]);
            HRESULT copied = VariantCopy(&out[given], &items_[next_]);
            if (FAILED(copied)) {
                for (ULONG i = 0; i < given; ++i) VariantClear(&out[i]);
                return copied;
            }
        }
        if (fetched) *fetched = given;
        return given == wanted ? S_OK : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE Skip(ULONG count) override {
        next_ += count;
        if (next_ <= items_.size()) return S_OK;
        next_ = static_cast<ULONG>(items_.size());
        return S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE Reset() override {
        next_ = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Clone(IEnumVARIANT** copy) override {
        if (!copy) return E_POINTER;
        std::vector<VARIANT> items(items_.size());
        for (std::size_t i = 0; i < items.size(); ++i) {
            VariantInit(&items[i]);
            VariantCopy(&items[i], &items_[i]);
        }
        *copy = new (std::nothrow) ItemEnumerator(std::move(items), next_);
        return *copy ? S_OK : E_OUTOFMEMORY;
    }

  private:
    virtual ~ItemEnumerator() {
        for (auto& item : items_) VariantClear(&item);
    }

    ULONG references_ = 1;
    std::vector<VARIANT> items_;
    ULONG next_;
};

}  // namespace

ComRef<ComCollection> ComCollection::Create() {
    return ComRef<ComCollection>(new ComCollection());
}

ComCollection::~ComCollection() {
    for (auto& entry : items_) VariantClear(&entry.value);
}

std::vector<std::string> ComCollection::Texts() const {
    std::vector<std::string> texts;
    for (const auto& entry : items_) {
        Variant text;
        if (SUCCEEDED(ChangeType(text.get(), entry.value, VARIANT_ALPHABOOL, VT_BSTR))) {
            texts.push_back(BstrToUtf8(text.value().bstrVal));
        } else {
            texts.emplace_back();
        }
    }
    return texts;
}

HRESULT ComCollection::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) {
    if (!names || !ids || count == 0) return E_INVALIDARG;
    struct Member {
        const wchar_t* name;
        DISPID id;
    };
    const Member members[] = {{L"Add", kAdd},
                              {L"Count", kCount},
                              {L"Item", DISPID_VALUE},
                              {L"Remove", kRemove},
                              {L"_NewEnum", DISPID_NEWENUM}};
    HRESULT result = S_OK;
    ids[0] = DISPID_UNKNOWN;
    for (const auto& member : members) {
        if (SameName(names[0], member.name)) ids[0] = member.id;
    }
    if (ids[0] == DISPID_UNKNOWN) result = DISP_E_UNKNOWNNAME;
    for (UINT i = 1; i < count; ++i) {
        ids[i] = DISPID_UNKNOWN;
        for (DISPID p = 0; ids[0] == kAdd && p < 4; ++p) {
            if (SameName(names[i], kAddParameters[p])) ids[i] = p;
        }
        if (ids[i] == DISPID_UNKNOWN) result = DISP_E_UNKNOWNNAME;
    }
    return result;
}

HRESULT ComCollection::Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params,
                              VARIANT* result, EXCEPINFO* exception, UINT*) {
    if (!params) return E_INVALIDARG;
    bool reads = flags & (DISPATCH_METHOD | DISPATCH_PROPERTYGET);
    if (!reads) return DISP_E_MEMBERNOTFOUND;
    switch (id) {
        case kAdd:
            return Add(params, exception);
        case kCount:
            if (params->cArgs != 0) return DISP_E_BADPARAMCOUNT;
            if (result) {
                VariantInit(result);
                result->vt = VT_I4;
                result->lVal = static_cast<LONG>(items_.size());
            }
            return S_OK;
        case DISPID_VALUE:
            return Item(params, result, exception);
        case kRemove:
            return Remove(params, exception);
        case DISPID_NEWENUM:
            return NewEnum(result);
        default:
            return DISP_E_MEMBERNOTFOUND;
    }
}

long ComCollection::Find(const VARIANT& where) const {
    if (where.vt == VT_BSTR) {
        for (std::size_t i = 0; i < items_.size(); ++i) {
            const std::wstring& key = items_[i].key;
            if (!key.empty() && SameName(key.c_str(), where.bstrVal ? where.bstrVal : L"")) {
                return static_cast<long>(i);
            }
        }
        return -1;
    }
    Variant number;
    if (FAILED(ChangeType(number.get(), where, 0, VT_I4))) return -1;
    long position = number.value().lVal;
    return position >= 1 && position <= static_cast<long>(items_.size()) ? position - 1 : -1;
}

HRESULT ComCollection::Add(DISPPARAMS* params, EXCEPINFO* exception) {
    const VARIANT* item = Argument(params, 0);
    if (!item) return DISP_E_PARAMNOTOPTIONAL;
    Entry entry{};
    if (const VARIANT* key = Argument(params, 1)) {
        Variant text;
        if (FAILED(ChangeType(text.get(), *key, 0, VT_BSTR))) return DISP_E_TYPEMISMATCH;
        BSTR name = text.value().bstrVal;
        entry.key.assign(name ? name : L"", SysStringLen(name));
        if (entry.key.empty()) return Raise(exception, 5, L"Invalid procedure call or argument");
        if (Find(text.value()) >= 0) {
            return Raise(exception, 457,
                         L"This key is already associated with an element of this collection");
        }
    }
    std::size_t at = items_.size();
    const VARIANT* before = Argument(params, 2);
    const VARIANT* after = Argument(params, 3);
    if (before && after) return Raise(exception, 5, L"Invalid procedure call or argument");
    if (before || after) {
        long found = Find(before ? *before : *after);
        if (found < 0) return OutOfRange(exception);
        at = static_cast<std::size_t>(found) + (after ? 1 : 0);
    }
    VariantInit(&entry.value);
    HRESULT copied = VariantCopyInd(&entry.value, const_cast<VARIANT*>(item));
    if (FAILED(copied)) return copied;
    items_.insert(items_.begin() + static_cast<std::ptrdiff_t>(at), std::move(entry));
    return S_OK;
}

HRESULT ComCollection::Item(DISPPARAMS* params, VARIANT* result, EXCEPINFO* exception) {
    const VARIANT* where = Argument(params, 0);
    if (!where) return DISP_E_PARAMNOTOPTIONAL;
    long found = Find(*where);
    if (found < 0) return OutOfRange(exception);
    if (!result) return S_OK;
    VariantInit(result);
    return VariantCopy(result, &items_[static_cast<std::size_t>(found)].value);
}

HRESULT ComCollection::Remove(DISPPARAMS* params, EXCEPINFO* exception) {
    const VARIANT* where = Argument(params, 0);
    if (!where) return DISP_E_PARAMNOTOPTIONAL;
    long found = Find(*where);
    if (found < 0) return OutOfRange(exception);
    VariantClear(&items_[static_cast<std::size_t>(found)].value);
    items_.erase(items_.begin() + found);
    return S_OK;
}

HRESULT ComCollection::NewEnum(VARIANT* result) {
    if (!result) return E_POINTER;
    std::vector<VARIANT> items(items_.size());
    for (std::size_t i = 0; i < items.size(); ++i) {
        VariantInit(&items[i]);
        VariantCopy(&items[i], &items_[i].value);
    }
    auto* enumerator = new (std::nothrow) ItemEnumerator(std::move(items), 0);
    if (!enumerator) return E_OUTOFMEMORY;
    VariantInit(result);
    result->vt = VT_UNKNOWN;
    result->punkVal = enumerator;  // the new reference goes to the caller
    return S_OK;
}

namespace {

HRESULT CallMember(IDispatch* object, const wchar_t* name, WORD flags, VARIANT* argument,
                   VARIANT* result, EXCEPINFO* exception) {
    DISPID id = DISPID_VALUE;
    if (name) {
        LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
        HRESULT found = object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
        if (FAILED(found)) return found;
    }
    DISPPARAMS params{argument, nullptr, argument ? 1u : 0u, 0};
    return object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params, result, exception,
                          nullptr);
}

}  // namespace

std::vector<std::string> ReadCollectionTexts(IDispatch* collection, const std::string& call) {
    constexpr WORD kRead = DISPATCH_METHOD | DISPATCH_PROPERTYGET;
    EXCEPINFO exception{};
    Variant count;
    HRESULT counted = CallMember(collection, L"Count", kRead, nullptr, count.get(), &exception);
    if (SUCCEEDED(counted)) counted = VariantChangeType(count.get(), count.get(), 0, VT_I4);
    if (FAILED(counted)) throw ComFailure(call, ComStep::kCall, counted, &exception, "");
    std::vector<std::string> texts;
    for (LONG i = 1; i <= count.value().lVal; ++i) {
        VARIANT index;
        VariantInit(&index);
        index.vt = VT_I4;
        index.lVal = i;
        Variant item;
        HRESULT read = CallMember(collection, nullptr, kRead, &index, item.get(), &exception);
        if (SUCCEEDED(read))
            read = VariantChangeType(item.get(), item.get(), VARIANT_ALPHABOOL, VT_BSTR);
        if (FAILED(read)) throw ComFailure(call, ComStep::kCall, read, &exception, "");
        texts.push_back(BstrToUtf8(item.value().bstrVal));
    }
    return texts;
}

}  // namespace orvalis::host
