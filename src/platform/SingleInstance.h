#pragma once

#include <string>

// One running copy per program folder on this machine, whoever starts it.
// The first start binds an abstract local socket named from a hash of the
// program folder's full path and holds it until the process ends; the system
// frees the name the moment the process dies, crashed or killed, so no stale
// claim is ever left behind. Copies in two program folders run side by side.
namespace SingleInstance {

// False when another process holds the claim on programFolder (bytes).
bool Claim(const std::string& programFolder);

} // namespace SingleInstance
