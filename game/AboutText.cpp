#include "AboutText.h"

#include "Version.h"

namespace AboutText {
std::string versionLine()
{
    return "Version: " + std::to_string(Version::major) + "." + std::to_string(Version::minor) + "."
        + std::to_string(Version::revision);
}
}
