#include "app/session.h"

#include "app/settings.h"

namespace app {

std::vector<std::string> SaveBeforeEnd(Module& module) {
    std::vector<std::string> failures;
    if (auto status = SaveSettings(module); !status)
        failures.push_back(module.Path(kSettingsFile) + ": " + status.error);
    return failures;
}

void SaveBeforeSessionEnd(Module& module) {
    SaveBeforeEnd(module);
}

}  // namespace app
