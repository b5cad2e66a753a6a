#include "fakes/TestPlatform.h"

#include "platform/AppServices.h"

namespace swivlo::testing {

TestPlatform::TestPlatform() {
    installAppServices(this);
}

TestPlatform::~TestPlatform() {
    installAppServices<TestPlatform>(nullptr);
}

}  // namespace swivlo::testing
