#include "platform/testing/TestPlatform.h"

#include "platform/ShellServices.h"

namespace swivlo::testing {

TestPlatform::TestPlatform() {
    installShellServices(this);
}

TestPlatform::~TestPlatform() {
    installShellServices<TestPlatform>(nullptr);
}

}  // namespace swivlo::testing
