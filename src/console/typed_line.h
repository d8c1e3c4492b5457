// A line being typed at the cursor: each key is echoed into the screen buffer,
// Backspace takes the last character back, Enter finishes the line. The echo
// never runs past column 80, so a typed line stays on its row.
#pragma once

#include <string>

#include "console/screen_buffer.h"

namespace bdvx {

// Keys as the line sees them, after the terminal's own codes are translated.
constexpr int kKeyEnter = '\n';
constexpr int kKeyBackspace = '\b';

class TypedLine {
 public:
  // Starts the line at the screen's cursor.
  explicit TypedLine(ScreenBuffer& screen);

  // Takes one key: a printable character is echoed (when it fits), Backspace
  // blanks the last one, Enter ends the line; anything else is ignored.
  // Returns true once Enter has been pressed.
  bool key(int code);

  // Blanks the echo and puts the cursor back where the line started.
  void discard();

  const std::string& text() const { return text_; }
  bool empty() const { return text_.empty(); }

 private:
  ScreenBuffer& screen_;
  int row_;
  int startCol_;
  int room_;  // characters that fit between the start and column 80
  std::string text_;
};

}  // namespace bdvx
