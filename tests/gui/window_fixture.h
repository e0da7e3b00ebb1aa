#pragma once

#include "platform/fake/fake_platform.h"
#include "window/tandrel.h"

#include <gtest/gtest.h>
#include <memory>

// A fresh window on a fresh fake platform for every test.
class WindowTest : public testing::Test {
protected:
    void SetUp() override { window = std::make_unique<tandrel::Tandrel>(fake.platform()); }

    tandrel::FakePlatform fake;
    std::unique_ptr<tandrel::Tandrel> window;
};
