#pragma once
// What every settings store does, stated once: the cases of
// settings_store_contract.cpp run natively on the in-memory store and under
// Wine on the registry store. Each test program defines makeScratchSettings()
// for the store it checks.
#include <memory>
#include <string>

#include "gtest/gtest.h"
#include "platform/settings_store.hpp"

namespace platform::contract {

// A store to check, under two application names no other test uses; what
// the store keeps for them is gone before and after.
class ScratchSettings {
public:
    virtual ~ScratchSettings() = default;
    virtual SettingsStore& store() = 0;
    virtual std::string app() const = 0;
    virtual std::string otherApp() const = 0;
};

std::unique_ptr<ScratchSettings> makeScratchSettings();

class SettingsStoreContract : public ::testing::Test {
protected:
    const std::unique_ptr<ScratchSettings> scratch = makeScratchSettings();
    SettingsStore& store = scratch->store();
    const std::string app = scratch->app();
};

}  // namespace platform::contract
