#pragma once

#include "CliRun.h"

namespace imgfxcli {

// Runs a filter over several pictures (FilterEntry::runFiles): the pictures
// it reads are loaded with the request's region, its status is printed, and
// on FX_OK the pictures it made are written in file order. Messages go to
// err. Returns the exit code: ExitInput when a picture could not be read
// (nothing printed on out), ExitOutput when one could not be written
// (those before it stay written).
int runFilesRequest(const CliRequest& request, QTextStream& out, QTextStream& err);

} // namespace imgfxcli
