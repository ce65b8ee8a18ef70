#include "mainwindow/prompts.h"

namespace tarvo {

void Prompts::Refusal(std::string_view text) const {
    platform_.messageBox(text, MsgButtons::Ok, MsgIcon::Exclamation, title_);
}

void Prompts::Report(std::string_view text) const {
    platform_.messageBox(text, MsgButtons::Ok, MsgIcon::None, title_);
}

bool Prompts::AnsweredYes(std::string_view question, MsgIcon icon) const {
    return platform_.messageBox(question, MsgButtons::YesNo, icon, title_) == MsgAnswer::Yes;
}

bool Prompts::ConfirmedOk(std::string_view warning) const {
    return platform_.messageBox(warning, MsgButtons::OkCancel, MsgIcon::Exclamation, title_) ==
           MsgAnswer::Ok;
}

}  // namespace tarvo
