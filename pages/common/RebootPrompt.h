// The shared question whether the recorder shall restart now, after a key setting changed.
#pragma once

namespace pages {

// Asks with a box owned by the desktop window; on Yes the recorder saves its settings and
// restarts, and no later save on closing follows.
void RebootPrompt();

}  // namespace pages
