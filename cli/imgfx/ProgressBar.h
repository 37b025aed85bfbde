#pragma once

namespace imgfxcli {

// Status callback drawing a progress bar on standard error; always goes on.
int progressBarCallback(int percent);
// Ends the bar's line if one was drawn.
void finishProgressBar();

} // namespace imgfxcli
