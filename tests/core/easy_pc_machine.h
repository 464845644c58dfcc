#pragma once
// The Easy PC of easy_pc.h started as the machine, its clock at the run time and moved by the test.

#include "platform/clock.h"
#include "tests/core/easy_pc.h"
#include "tests/platform/machine_fixture.h"
#include "tests/support/machine_profile.h"

#include <gtest/gtest.h>

namespace easytest {

class EasyPcMachine : public MachineFixture {
protected:
    void SetUp() override
    {
        MachineFixture::SetUp();
        PlantEasyPc(folder_);
        ASSERT_TRUE(testsupport::StartMachine(folder_, EasyPcProfile("6.1.7601")));
        clock_.clock().SetLocalTime(kRunTime);
    }

    platform::ScopedFakeClock clock_;
};

}  // namespace easytest
