// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "InMemoryServices.h"
#include "JLRedizadoViewController.h"
#include "JLRedizadoWindow.h"
#include "PanelDriver.h"
#include "PreferencesKeys.h"
#include "WaitUntil.h"

#include <gtest/gtest.h>

// The whole interface over in-memory services; each test starts it once the store is as it wants.
class ShellTest : public ::testing::Test, protected InMemoryServices {
protected:
    JLStatusItemController& controller() { return interface->statusItemController(); }
    JLRedizadoWindow& window() { return interface->window(); }
    JLRedizadoViewController& panel() { return interface->redizadoViewController(); }
    // The icon that says the panel or the popover is open.
    bool showsAlternateIcon() const { return !statusItem.isTemplate; }
};
