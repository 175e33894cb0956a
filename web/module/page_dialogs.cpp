// SPDX-License-Identifier: GPL-3.0-or-later
#include "page_dialogs.h"

#include <emscripten.h>

#include <cstdlib>
#include <memory>
#include <string>

// The answer comes back in memory the module owns: the caller frees it.
EM_ASYNC_JS(char*, page_input_box, (const char* prompt, const char* title, const char* text), {
  const answer =
      await Module.page.inputBox(UTF8ToString(prompt), UTF8ToString(title), UTF8ToString(text));
  const size = lengthBytesUTF8(answer) + 1;
  const copy = _malloc(size);
  stringToUTF8(answer, copy, size);
  return copy;
});

EM_ASYNC_JS(int, page_message_box, (const char* prompt, const char* title, int style), {
  return await Module.page.messageBox(UTF8ToString(prompt), UTF8ToString(title), style);
});

EM_JS(void, page_show_count, (const char* label, const char* text),
      { Module.page.showCount(UTF8ToString(label), UTF8ToString(text)); });

namespace ombrix {

std::string PageDialogs::InputBox(std::string_view prompt, std::string_view title,
                                  std::string_view defaultText) {
  const std::unique_ptr<char, decltype(&std::free)> answer(
      page_input_box(std::string(prompt).c_str(), std::string(title).c_str(),
                     std::string(defaultText).c_str()),
      &std::free);
  return answer.get();
}

std::int16_t PageDialogs::MsgBox(std::string_view prompt, std::string_view title, int buttonStyle) {
  return static_cast<std::int16_t>(
      page_message_box(std::string(prompt).c_str(), std::string(title).c_str(), buttonStyle));
}

void PageDialogs::ShowCount(std::string_view label, std::string_view text) {
  page_show_count(std::string(label).c_str(), std::string(text).c_str());
}

}  // namespace ombrix
