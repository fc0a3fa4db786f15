#include "support/app_fixture.h"

#include "app/startup.h"

namespace testing_support {

bool AppTest::Start() {
    return app::Main(*module);
}

}  // namespace testing_support
