#pragma once

#include "support/EngineTestKit.h"

// The real engine with its writers opened, so a test can put it in any state a flow would.
class CardTestEngine : public InstallEngine
{
public:
    using InstallEngine::InstallEngine;
    using InstallEngine::setBootstrapInProgress;
    using InstallEngine::setPermissionNote;
    using InstallEngine::setState;
};

using EngineTestKit::catalogApp;
