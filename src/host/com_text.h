#pragma once

#include <windows.h>

#include <oleauto.h>

#include <string>
#include <string_view>

namespace orvalis::host {

// Texts cross the automation channel as BSTRs (UTF-16); the program works in
// UTF-8.
std::wstring Utf8ToWide(std::string_view utf8);
std::string WideToUtf8(std::wstring_view wide);
std::string BstrToUtf8(BSTR text);

// A BSTR made from a UTF-8 text, freed when it goes.
class Bstr {
  public:
    explicit Bstr(std::string_view utf8);
    Bstr(const Bstr&) = delete;
    Bstr& operator=(const Bstr&) = delete;
    ~Bstr() { SysFreeString(text_); }

    BSTR get() const { return text_; }

  private:
    BSTR text_;
};

// A VARIANT cleared when it goes.
class Variant {
  public:
    Variant() { VariantInit(&value_); }
    Variant(const Variant&) = delete;
    Variant& operator=(const Variant&) = delete;
    ~Variant() { VariantClear(&value_); }

    VARIANT* get() { return &value_; }
    const VARIANT& value() const { return value_; }

  private:
    VARIANT value_;
};

}  // namespace orvalis::host
