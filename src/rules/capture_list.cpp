#include "rules/capture_list.h"

namespace bdvx {

void AppendCapture(CaptureList& list, int& count, const std::string& text) {
  assert(count >= 0 && count <= kCaptureSlots);
  if (count >= kCaptureSlots) return;
  count += 1;
  list[count] = text;
}

}  // namespace bdvx
