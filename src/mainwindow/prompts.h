#pragma once

#include <string_view>

#include "platform/platform_services.h"

namespace tarvo {

// The message boxes of the main window's commands, as the crew sees them: a refusal, a
// question, a report. Each box carries the program's title; the texts are the caller's,
// word for word, line breaks included.
class Prompts {
  public:
    Prompts(PlatformServices& platform, std::string_view title)
        : platform_(platform), title_(title) {}

    // A command refused or a step that failed, with the reason: OK, exclamation icon.
    void Refusal(std::string_view text) const;

    // A command done as asked ("... is now your default location."): OK, no icon.
    void Report(std::string_view text) const;

    // A question answered Yes or No (no icon, or the question mark); true for Yes.
    bool AnsweredYes(std::string_view question, MsgIcon icon) const;

    // A warning before a file is overwritten or taken over, to go on with or cancel:
    // OK/Cancel, exclamation icon; true for OK.
    bool ConfirmedOk(std::string_view warning) const;

  private:
    PlatformServices& platform_;
    std::string_view title_;
};

}  // namespace tarvo
