// The one way the program removes a folder with everything in it. It never walks into a linked
// folder (a junction, a symbolic link to a folder): a data folder can lie in a synced or
// shared place, and whatever a link there leads to is somebody else's. Such a link is removed as
// itself, or left where it is when the system will not let it go.
#pragma once

#include <string>
#include <vector>

#include "platform/file_system.h"

namespace platform {

// Something a removal had to leave, and the system's reason.
struct Leftover {
    std::string path;
    std::string why;
};

// Removes what stands at `path`: a file, a linked folder as itself, or a folder with everything
// below it. Only names listed inside the folder are visited, so nothing outside it is reached.
// Returns what could not be removed (the folders holding it stay too); empty when all went.
[[nodiscard]] std::vector<Leftover> RemoveTree(FileSystem& files, const std::string& path);

}  // namespace platform
