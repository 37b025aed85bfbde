#pragma once

#include <QString>

#include <cstdint>
#include <vector>

namespace imgfxcli {

// Reads a filter record from a small text file: whole numbers separated by
// white space or commas, '#' starting a comment to the end of its line.
// header counts the numbers before the dimension x dimension values, the
// last of them being the dimension; a dimension below 1 stands alone, so
// that the filter itself can refuse it. False with a message in error when
// the file cannot be read, holds something else, or holds too few or too
// many values for its dimension.
bool readRecordFile(const QString& path, int header, std::vector<int32_t>* record, QString* error);

} // namespace imgfxcli
