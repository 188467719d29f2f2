#pragma once

#include <windows.h>

#include <objbase.h>

#include <utility>

namespace orvalis::host {

// Holds one reference to a COM object and releases it when it goes.
template <typename Interface>
class ComRef {
  public:
    ComRef() = default;
    // Takes over a reference the caller already holds.
    explicit ComRef(Interface* adopted) : object_(adopted) {}
    ComRef(const ComRef& other) : object_(other.object_) {
        if (object_) object_->AddRef();
    }
    ComRef(ComRef&& other) noexcept : object_(std::exchange(other.object_, nullptr)) {}
    ComRef& operator=(ComRef other) noexcept {
        std::swap(object_, other.object_);
        return *this;
    }
    ~ComRef() {
        if (object_) object_->Release();
    }

    Interface* get() const { return object_; }
    Interface* operator->() const { return object_; }
    explicit operator bool() const { return object_ != nullptr; }
    // For functions that hand back a new reference through an out parameter.
    Interface** put() {
        *this = ComRef();
        return &object_;
    }

    // For a by-reference argument: the callee may release what is held and
    // leave a new reference in its place, which this then owns.
    Interface** slot() { return &object_; }

  private:
    Interface* object_ = nullptr;
};

}  // namespace orvalis::host
