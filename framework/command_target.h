// Commands are routed by id from the view to the document, the frame and the
// application; each target runs the commands it knows and says whether their
// menu items are enabled and checked.
#pragma once
#include <windows.h>

// What a target says about one command's menu item. Asked when a popup opens
// and before an accelerator runs the command.
struct CommandState {
  UINT m_nID = 0;
  bool m_bEnabled = true;
  int m_nCheck = -1;  // -1 leaves the check mark as it is, 0 clears it, 1 sets it

  void Enable(bool enabled) { m_bEnabled = enabled; }
  void SetCheck(bool checked) { m_nCheck = checked ? 1 : 0; }
};

class CommandTarget {
 public:
  virtual ~CommandTarget() = default;

  // Offers command `id` to this target. With `state` null the command runs;
  // otherwise the target only fills in `state`. Returns false when the target
  // does not handle `id`, so that the next target is asked.
  virtual bool OnCommand(UINT id, CommandState* state) {
    (void)id;
    (void)state;
    return false;
  }
};
