#pragma once

#include <memory>
#include <vector>

#include "forms/interaction.h"
#include "host/session.h"

namespace orvalis {
class Form1;
class Form2;
class CompanyRegistry;
class Form4;
class Form5;
class Form6;
class Form11;
}  // namespace orvalis

namespace orvalis::forms {

class Window;

// Told when the registry creates or unloads a window model, so the desktop
// program can build or drop the window that shows it.
class FormsObserver {
  public:
    virtual ~FormsObserver() = default;
    // The view may keep the model alive with the pointer it is given.
    virtual void Created(const std::shared_ptr<Form6>& /*window*/) {}
    virtual void Created(const std::shared_ptr<Form4>& /*window*/) {}
    virtual void Created(const std::shared_ptr<Form1>& /*window*/) {}
    virtual void Created(const std::shared_ptr<Form2>& /*window*/) {}
    virtual void Created(const std::shared_ptr<Form11>& /*window*/) {}
    virtual void Created(const std::shared_ptr<CompanyRegistry>& /*window*/) {}
    virtual void Created(const std::shared_ptr<Form5>& /*window*/) {}
    // The registry has dropped the window; its view should go too.
    virtual void Unloaded(Window& /*window*/) {}
};

// Owns the window models. Each window exists once: it is created on first
// use, its view (if any) is attached, then its load runs. A window referred to
// before it is shown is therefore created hidden, with its load run.
class Forms {
  public:
    Forms(std::shared_ptr<host::HostSession> session, Interaction& interaction);
    ~Forms();
    Forms(const Forms&) = delete;
    Forms& operator=(const Forms&) = delete;

    void SetObserver(FormsObserver* observer) { observer_ = observer; }

    Form6& form6();
    Form4& form4();
    bool HasForm4() const { return static_cast<bool>(form4_); }
    Form2& form2();
    Form1& form1();
    bool HasForm1() const { return static_cast<bool>(form1_); }

    // Closing the block limits panel unloads it: the registry drops the model
    // and tells the observer; the next use creates and loads it afresh.
    // Unloading must be the last thing a window's handler does.
    void UnloadForm1();
    Form11& form11();
    bool HasForm11() const { return static_cast<bool>(form11_); }
    CompanyRegistry& company_registry();
    bool HasCompanyRegistry() const { return static_cast<bool>(company_registry_); }

    // Closing these windows unloads them: the registry drops the model and
    // tells the observer, and the next use creates and loads it afresh. A
    // model whose view still holds it lives until the view lets go.
    void UnloadForm11();
    void UnloadCompanyRegistry();

    // The tool settings window; the collision check creates it hidden when
    // it reads the table. Closing it unloads it.
    Form5& form5();
    bool HasForm5() const { return static_cast<bool>(form5_); }
    void UnloadForm5();

    const std::shared_ptr<host::HostSession>& session() const { return session_; }
    Interaction& interaction() { return interaction_; }

  private:
    template <typename Form>
    Form& Get(std::shared_ptr<Form>& slot);
    template <typename Form>
    void Drop(std::shared_ptr<Form>& slot);

    std::shared_ptr<host::HostSession> session_;
    Interaction& interaction_;
    FormsObserver* observer_ = nullptr;
    std::shared_ptr<Form6> form6_;
    std::shared_ptr<Form4> form4_;
    std::shared_ptr<Form1> form1_;
    std::shared_ptr<Form2> form2_;
    std::vector<std::shared_ptr<Window>> retired_;  // unloaded, kept until safe to destroy
    std::shared_ptr<Form11> form11_;
    std::shared_ptr<CompanyRegistry> company_registry_;
    std::shared_ptr<Form5> form5_;
};

}  // namespace orvalis::forms
