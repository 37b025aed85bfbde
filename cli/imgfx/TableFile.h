#pragma once

#include <QString>

#include <cstdint>
#include <vector>

namespace imgfxcli {

// Reads a table of output levels: a text file of exactly 256 whole numbers
// from 0 to 255 (entry i for input level i), separated by white space or
// commas. False with a message naming the file when it cannot be read or
// holds anything else.
bool readTableFile(const QString& path, std::vector<uint8_t>* table, QString* error);

} // namespace imgfxcli
