// The collection ORVALIS hands the host's control answers as a Visual Basic
// collection does, when reached through IDispatch as the control reaches it.
#include <gtest/gtest.h>

#include <windows.h>

#include <oaidl.h>

#include <vector>

#include "host/com_collection.h"
#include "host/com_text.h"

namespace orvalis::host {
namespace {

struct Caller {
    IDispatch* object;

    DISPID Id(const wchar_t* name) {
        DISPID id = DISPID_UNKNOWN;
        LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
        EXPECT_EQ(object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id), S_OK)
            << WideToUtf8(name);
        return id;
    }
    // Arguments in the order written; returns the HRESULT, the answer in
    // `answer` and a raised description in `raised`.
    HRESULT Call(DISPID id, std::vector<VARIANT> arguments, VARIANT* answer = nullptr,
                 std::string* raised = nullptr) {
        std::vector<VARIANT> reversed(arguments.rbegin(), arguments.rend());
        DISPPARAMS params{reversed.data(), nullptr, static_cast<UINT>(reversed.size()), 0};
        EXCEPINFO exception{};
        HRESULT done = object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT,
                                      DISPATCH_METHOD | DISPATCH_PROPERTYGET, &params, answer,
                                      &exception, nullptr);
        if (raised) *raised = BstrToUtf8(exception.bstrDescription);
        SysFreeString(exception.bstrDescription);
        SysFreeString(exception.bstrSource);
        return done;
    }
};

VARIANT Text(BSTR text) {
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_BSTR;
    v.bstrVal = text;
    return v;
}

VARIANT Number(LONG n) {
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_I4;
    v.lVal = n;
    return v;
}

// The host's control fills the collection through Add, with or without a
// key; ORVALIS reads it back in order.
TEST(ComCollection, AddCountAndItemAnswerAsInVisualBasic) {
    auto collection = ComCollection::Create();
    Caller vb{collection.get()};
    DISPID add = vb.Id(L"add"), count = vb.Id(L"COUNT"), item = vb.Id(L"Item");
    EXPECT_EQ(item, DISPID_VALUE);

    Bstr rough("01-황삭"), drill("03-DRILL"), key("drill");
    ASSERT_EQ(vb.Call(add, {Text(rough.get())}), S_OK);
    ASSERT_EQ(vb.Call(add, {Text(drill.get()), Text(key.get())}), S_OK);

    Variant counted;
    ASSERT_EQ(vb.Call(count, {}, counted.get()), S_OK);
    EXPECT_EQ(counted.value().lVal, 2);
    Bstr other_case("DRILL");
    Variant by_key;
    ASSERT_EQ(vb.Call(DISPID_VALUE, {Text(other_case.get())}, by_key.get()), S_OK);
    EXPECT_EQ(BstrToUtf8(by_key.value().bstrVal), "03-DRILL");
    EXPECT_EQ(collection->Texts(), (std::vector<std::string>{"01-황삭", "03-DRILL"}));
}

TEST(ComCollection, BadIndexesAndDuplicateKeysRaiseTheVisualBasicErrors) {
    auto collection = ComCollection::Create();
    Caller vb{collection.get()};
    DISPID add = vb.Id(L"Add");
    Bstr a("A"), key("k");
    ASSERT_EQ(vb.Call(add, {Text(a.get()), Text(key.get())}), S_OK);
    std::string raised;
    for (LONG index : {0, 2, -1}) {
        Variant answer;
        EXPECT_EQ(vb.Call(DISPID_VALUE, {Number(index)}, answer.get(), &raised), DISP_E_EXCEPTION)
            << index;
        EXPECT_EQ(raised, "Subscript out of range");
    }
    EXPECT_EQ(vb.Call(add, {Text(a.get()), Text(key.get())}, nullptr, &raised), DISP_E_EXCEPTION);
    EXPECT_EQ(raised, "This key is already associated with an element of this collection");
    EXPECT_EQ(collection->size(), 1u);
    EXPECT_EQ(vb.Call(add, {}), DISP_E_PARAMNOTOPTIONAL);
}

}  // namespace
}  // namespace orvalis::host
