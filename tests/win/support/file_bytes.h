// Whole files as bytes, for tests that plant files and look at what was written.
#pragma once

#include <string>

namespace testing_support {

bool exists(const std::string& path);
// The file's bytes; empty when it cannot be read.
std::string readFile(const std::string& path);
void writeFile(const std::string& path, const std::string& bytes);

}  // namespace testing_support
