#pragma once

#include <functional>
#include <string>

namespace tarvo {

// An event handler of a control: a plain member function of a form, bound in a lambda.
// Controls call it synchronously, so cascades (a handler writing a control whose own
// handler runs at once) happen in the order the program writes them.
using Handler = std::function<void()>;

// The boundary between Qt's event loop and the program's handlers. An event that the
// user raised (typing, choosing, clicking, a menu command) runs its handler through
// Run(); an event the program raised by writing a control calls the handler directly,
// so that a failure travels up to the user event that started the cascade.
// No exception leaves Run(): an unexpected failure is reported through the reporter
// (a message box in the program) and the program goes on.
class EventBoundary {
  public:
    using Reporter = std::function<void(const std::string& what)>;

    static void Run(const Handler& handler);
    static void SetReporter(Reporter reporter);
};

}  // namespace tarvo
