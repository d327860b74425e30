#pragma once

namespace gallerion {

class Platform;

// Starts the system-information tool that the registry names, or says that
// there is none.
void runSystemInfo(Platform &platform);

} // namespace gallerion
