#pragma once
#include <windows.h>

#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/Component.h"
#include "framework/ListenerList.h"

namespace zentavo {

class TForm;

// Shows a message box; tests replace it to answer boxes without a person.
using MessageBoxHandler = std::function<int(HWND owner, const std::string& text, const std::string& caption,
                                            UINT flags)>;

// The application object: owns the forms and the message loop, knows the main form and
// the title, and is the standard error display for every error that ends an operation.
class TApplication : public TComponent {
  ZENTAVO_CLASS(TApplication, TComponent)
 public:
  TApplication();
  ~TApplication() override;

  void Initialize();

  // Creates a form owned by the application; the first one becomes the main form.
  template <class T, class... Args>
  T& CreateForm(Args&&... args) {
    T& form = Make<T>(std::forward<Args>(args)...);
    RegisterForm(form);
    return form;
  }
  TForm* MainForm() const { return mainForm_; }

  // Shows the main form and runs the message loop until Terminate.
  void Run();
  void Terminate();
  bool Terminated() const { return terminated_; }
  // Handles every waiting message, then returns.
  void ProcessMessages();
  // Handles messages until the condition holds or the time runs out; for tests and waits.
  bool ProcessMessagesUntil(const std::function<bool()>& condition, DWORD timeoutMs);

  // True while one of the program's windows is the active window of the system.
  bool Active() const { return active_; }
  void SetActive(bool active) { active_ = active; }

  const std::string& Title() const { return title_; }
  void SetTitle(const std::string& title);

  // Listeners see every message the loop takes before it is dispatched; a listener that
  // returns true has handled it. Adding and removing is safe while listeners run.
  using MessageListener = std::function<bool(MSG& message)>;
  int AddOnMessage(MessageListener listener);
  void RemoveOnMessage(int id);

  // Forms whose Release asked for their end; freed by the loop between two messages.
  void QueueRelease(TForm& form);
  void ForgetRelease(TForm& form);

  // The standard error display: a message box with the error text (a full stop added when
  // the text ends in a character after the full stop), the title as caption, stop icon.
  void ShowException(const std::string& text);
  void HandleException(std::exception_ptr error);

  int ShowMessageBox(HWND owner, const std::string& text, const std::string& caption, UINT flags);
  MessageBoxHandler MessageBoxOverride;

 protected:
  // A destroyed main form is forgotten, so the next form created becomes the main form.
  void Notification(TComponent* component, TOperation operation) override;

 private:
  void RegisterForm(TForm& form);
  bool DispatchOne(MSG& message);
  bool NotifyListeners(MSG& message);
  bool OfferKeyToControl(const MSG& message);
  void FreeReleasedForms();

  TForm* mainForm_ = nullptr;
  bool terminated_ = false;
  bool active_ = false;
  std::string title_;
  TListenerList<bool(MSG& message)> listeners_;
  std::vector<TForm*> released_;
  };

// The one application object of the process.
TApplication& Application();

// The text the standard error display shows for an error message.
std::string StandardErrorText(const std::string& message);

}  // namespace zentavo
