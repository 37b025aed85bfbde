#pragma once

#include "CliRun.h"

namespace imgfxcli {

// Runs the request's filter over every input of a batch (--batch), each
// picture on one thread of its own, --jobs threads at once. Each output is
// named after its input in the request's folder (with the request's suffix
// when one is given) and never replaces an input; an existing output is
// replaced only once the new file is complete and synced to disk, which
// committing threads beside the --jobs ones see to (BatchCommits). A failing input is reported
// on err with its name and reason and the others go on. Once all are done
// out gets one line an input whose filter ran, in input order: its status
// name and the input's path. Returns ExitOk when every picture was
// written, else the largest of ExitFilterFailed, ExitInput and ExitOutput
// among the failures.
int runBatchRequest(const CliRequest& request, QTextStream& out, QTextStream& err);

} // namespace imgfxcli
