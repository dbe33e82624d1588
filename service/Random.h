#pragma once

#include <string>
#include <string_view>

// n characters drawn uniformly from the alphabet, from the system's random
// source (new passwords, group file names).
std::string randomString(std::string_view alphabet, std::size_t n);
